#pragma once

// What the fuzz harnesses share: a stop that names the broken promise, and the
// application object QSettings and the date parser expect.

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

/// Stops the run on a broken promise, so that libFuzzer (or the corpus replay) keeps the
/// input that broke it.
[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

inline void check(bool promise, const char *what)
{
    if (!promise)
        fail(what);
}

/// One application object for the whole run.
inline void initApplication(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
}

} // namespace fuzz
