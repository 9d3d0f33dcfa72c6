// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <vector>

namespace stress {

// The shortest sub-sequence (order kept) of a failing sequence that still
// fails, by delta debugging. `fails` replays a candidate; it must hold for
// `failing` itself, whose last element is the step that failed. Stops after
// `maxReplays` replays and returns the shortest failing sequence found.
//
// First the shortest failing suffix among lengths 1, 2, 4, ... (most faults
// need only the last few steps before them), then ddmin on that suffix, which
// ends 1-minimal: leaving out any single element makes it pass.
template <typename T>
std::vector<T> shrinkFailure(std::vector<T> failing,
                             const std::function<bool(const std::vector<T> &)> &fails,
                             int maxReplays)
{
    int replays = 0;
    const auto tryCandidate = [&](const std::vector<T> &candidate) {
        return replays++ < maxReplays && fails(candidate);
    };

    for (size_t length = 1; length < failing.size(); length *= 2) {
        const std::vector<T> suffix(failing.end() - std::ptrdiff_t(length), failing.end());
        if (tryCandidate(suffix)) {
            failing = suffix;
            break;
        }
        if (replays >= maxReplays)
            return failing;
    }

    size_t parts = 2;
    while (failing.size() >= 2 && replays < maxReplays) {
        const size_t chunk = (failing.size() + parts - 1) / parts;
        bool reduced = false;
        // A complement first (drop one chunk): it keeps most of the context.
        for (size_t start = 0; start < failing.size() && !reduced; start += chunk) {
            std::vector<T> complement(failing.begin(), failing.begin() + std::ptrdiff_t(start));
            complement.insert(complement.end(),
                              failing.begin() +
                                  std::ptrdiff_t(std::min(start + chunk, failing.size())),
                              failing.end());
            if (!complement.empty() && tryCandidate(complement)) {
                failing = std::move(complement);
                parts = std::max<size_t>(parts - 1, 2);
                reduced = true;
            }
        }
        for (size_t start = 0; start < failing.size() && !reduced && parts > 2; start += chunk) {
            std::vector<T> subset(failing.begin() + std::ptrdiff_t(start),
                                  failing.begin() +
                                      std::ptrdiff_t(std::min(start + chunk, failing.size())));
            if (tryCandidate(subset)) {
                failing = std::move(subset);
                parts = 2;
                reduced = true;
            }
        }
        if (!reduced) {
            if (parts >= failing.size())
                break;
            parts = std::min(parts * 2, failing.size());
        }
    }
    return failing;
}

} // namespace stress
