#pragma once

// What ThreadSanitizer must be told about the program's worker threads. Qt and its
// libraries are not instrumented: the lock and the count of users with which QThread
// ends a thread, wakes wait() and passes a signal's values to another thread are
// invisible to it, and it would take every access after them for a race. Without
// ThreadSanitizer all of this is nothing.

#include <QDeadlineTimer>
#include <QThread>

#ifdef Q_OS_UNIX
#include <csignal>
#include <pthread.h>
#endif

#if defined(__SANITIZE_THREAD__)
#define KEST_TSAN_ANNOTATIONS 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define KEST_TSAN_ANNOTATIONS 1
#endif
#endif

#ifdef KEST_TSAN_ANNOTATIONS
#include <sanitizer/tsan_interface.h>
// In the runtime, not declared by every compiler's header.
extern "C" void __tsan_ignore_thread_begin();
extern "C" void __tsan_ignore_thread_end();
#endif

namespace kest {

/// Marks that everything `thread` did so far happens before what a thread that calls
/// threadJoined() on it does next: at the end of its run().
inline void threadEnded([[maybe_unused]] const QThread *thread)
{
#ifdef KEST_TSAN_ANNOTATIONS
    __tsan_release(const_cast<QThread *>(thread));
#endif
}

/// Marks that `thread` has ended: after wait() returned true, or its end was seen.
inline void threadJoined([[maybe_unused]] const QThread *thread)
{
#ifdef KEST_TSAN_ANNOTATIONS
    __tsan_acquire(const_cast<QThread *>(thread));
#endif
}

/// Runs `emit`, which hands values to another thread through a queued signal, without
/// ThreadSanitizer checking this thread's accesses meanwhile: a QByteArray's bytes are
/// shared with the copy in the queued event, and whichever of the two lets go last frees
/// them, counted in Qt's code where ThreadSanitizer cannot see it. The values are made
/// before and moved in, so that only the signal itself is not checked.
template<typename Emit> void emitShared(Emit emit)
{
#ifdef KEST_TSAN_ANNOTATIONS
    __tsan_ignore_thread_begin();
    emit();
    __tsan_ignore_thread_end();
#else
    emit();
#endif
}

/// A QThread whose end ThreadSanitizer sees: the end of run() happens before wait()
/// returns true, and before isFinished() returns true or isRunning() false. Like start(),
/// these hide QThread's own: they count when called on an object of this type, not
/// through a QThread pointer. A worker never takes the signals that end or interrupt the
/// program (SIGINT, SIGTERM, SIGHUP): it starts with them blocked, whenever it starts,
/// so that they reach the thread that decides what they mean.
class WorkerThread : public QThread
{
public:
    explicit WorkerThread(QObject *parent = nullptr) : QThread(parent) { }

    void start(Priority priority = InheritPriority)
    {
#ifdef KEST_TSAN_ANNOTATIONS
        // finished() is emitted by the thread itself, after run() and before wait() can
        // return. Connected last, after the queued connections that read this object as
        // they take the signal.
        disconnect(endMark);
        endMark = connect(
            this, &QThread::finished, this,
            [this] {
                threadEnded(this);
                ignoreUntilExit();
            },
            Qt::DirectConnection);
#endif
#ifdef Q_OS_UNIX
        // A new thread starts with its creator's signal mask.
        sigset_t workerMask;
        sigset_t own;
        sigemptyset(&workerMask);
        for (int signal : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&workerMask, signal);
        pthread_sigmask(SIG_BLOCK, &workerMask, &own);
        QThread::start(priority);
        pthread_sigmask(SIG_SETMASK, &own, nullptr);
#else
        QThread::start(priority);
#endif
    }

    bool wait(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever))
    {
        const bool ended = QThread::wait(deadline);
        if (ended)
            threadJoined(this);
        return ended;
    }
    bool wait(unsigned long milliseconds)
    {
        const bool ended = QThread::wait(milliseconds);
        if (ended)
            threadJoined(this);
        return ended;
    }
    bool isFinished() const
    {
        const bool finished = QThread::isFinished();
        if (finished)
            threadJoined(this);
        return finished;
    }
    bool isRunning() const
    {
        const bool running = QThread::isRunning();
        if (!running)
            threadJoined(this);
        return running;
    }

#ifdef KEST_TSAN_ANNOTATIONS
private:
    /// What the thread does after the end of run() is QThread's own: taking down the
    /// finished() signal's connections and the thread's event dispatcher. Their objects
    /// are shared with the thread that takes the signal, counted in Qt's code; not checked.
    static void ignoreUntilExit()
    {
        struct Ignoring
        {
            Ignoring() { __tsan_ignore_thread_begin(); }
            ~Ignoring() { __tsan_ignore_thread_end(); } // before the thread ends
        };
        thread_local Ignoring ignoring;
        (void)ignoring;
    }

    QMetaObject::Connection endMark;
#endif
};

} // namespace kest
