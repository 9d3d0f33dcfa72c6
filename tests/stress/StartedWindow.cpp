#include "StartedWindow.h"

#include "app/Unit1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

namespace stress {

StartedWindow::StartedWindow(const QString &directory)
{
    m_previousDirectory = QDir::currentPath();
    QDir::setCurrent(directory);

    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [this] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        m_messages.append({box->windowTitle(), box->text()});
        if (QAbstractButton *button = box->defaultButton())
            button->click();
        else
            box->reject();
    });
    closer.start(5);

    m_form = std::make_unique<app::TForm1>();
    QSignalSpy finished(m_form.get(), &app::TForm1::startUpFinished);
    m_form->show();
    // Generous: a 200 MB file under the sanitizers takes a while, and a hang
    // shows as a failure here rather than as a test timeout.
    m_finished = !finished.isEmpty() || finished.wait(120000);
    if (!QTest::qWaitForWindowActive(m_form.get()))
        qWarning("the window did not become active");
    closer.stop();
    QApplication::processEvents();
}

StartedWindow::~StartedWindow()
{
    m_form.reset();
    QDir::setCurrent(m_previousDirectory);
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

qint64 peakResidentBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024; // kilobytes on Linux
}

} // namespace stress
