// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/XSettings.h"

#include <QtEndian>

namespace desktop {

namespace {

enum SettingType : quint8 { Integer = 0, String = 1, Colour = 2 };

// Reads the property from front to back; every read checks the length left.
class PropertyReader {
public:
    explicit PropertyReader(const QByteArray &data) : m_data(data) {}

    bool ok() const { return m_ok; }
    void setBigEndian(bool bigEndian) { m_bigEndian = bigEndian; }

    QByteArray bytes(qsizetype count, qsizetype padTo = 1)
    {
        const qsizetype padded = (count + padTo - 1) / padTo * padTo;
        if (!m_ok || count < 0 || padded > m_data.size() - m_position) {
            m_ok = false;
            return {};
        }
        const QByteArray read = m_data.mid(m_position, count);
        m_position += padded;
        return read;
    }
    quint32 card(int size)
    {
        const QByteArray read = bytes(size);
        if (read.size() != size)
            return 0;
        if (size == 1)
            return quint8(read[0]);
        if (size == 2)
            return m_bigEndian ? qFromBigEndian<quint16>(read.constData())
                               : qFromLittleEndian<quint16>(read.constData());
        return m_bigEndian ? qFromBigEndian<quint32>(read.constData())
                           : qFromLittleEndian<quint32>(read.constData());
    }

private:
    const QByteArray &m_data;
    qsizetype m_position = 0;
    bool m_bigEndian = false;
    bool m_ok = true;
};

} // namespace

std::optional<QString> xsettingsString(const QByteArray &property, const QByteArray &name)
{
    PropertyReader reader(property);
    reader.setBigEndian(reader.card(1) == 1); // MSBFirst
    reader.bytes(3);                          // unused
    reader.card(4);                           // the manager's serial
    const quint32 count = reader.card(4);
    for (quint32 index = 0; index < count && reader.ok(); ++index) {
        const quint32 type = reader.card(1);
        reader.bytes(1);
        const QByteArray settingName = reader.bytes(reader.card(2), 4);
        reader.card(4); // the setting's last change
        QByteArray value;
        if (type == String)
            value = reader.bytes(reader.card(4), 4);
        else
            reader.bytes(type == Integer ? 4 : type == Colour ? 8 : -1);
        if (reader.ok() && type == String && settingName == name)
            return QString::fromUtf8(value);
    }
    return std::nullopt;
}

} // namespace desktop
