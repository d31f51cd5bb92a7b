#include "link/qt/TransferController.h"

#include "link/qt/PortFactory.h"

#include <QThread>

namespace radio::link {

// The engine's sink on the worker thread: progress is forwarded, questions
// and messages wait for the window's thread.
class TransferController::WorkerSink : public TransferSink {
public:
    explicit WorkerSink(TransferController* owner) : m_owner(owner) {}

    void setRange(int maximum) override {
        m_position = 0;
        QMetaObject::invokeMethod(
            m_owner, [o = m_owner, maximum] { emit o->rangeChanged(maximum); },
            Qt::QueuedConnection);
    }
    void step() override { ++m_position; }
    void setPhase(TransferPhase phase) override {
        QMetaObject::invokeMethod(
            m_owner, [o = m_owner, phase] { emit o->phaseChanged(phase); }, Qt::QueuedConnection);
    }
    int position() const override { return m_position; }
    void setText(const std::string& text) override {
        QMetaObject::invokeMethod(
            m_owner,
            [o = m_owner, p = m_position, t = QString::fromStdString(text)] {
                emit o->progressChanged(p, t);
            },
            Qt::QueuedConnection);
    }
    // The window runs its own event loop; nothing to pump here.
    void pump() override {}
    bool cancelled() const override { return m_owner->m_cancel.load(); }
    Answer askRetry(int stringId) override {
        bool retry = false;
        m_owner->callOnOwnerThread(
            [o = m_owner, stringId, &retry] { retry = o->m_question && o->m_question(stringId); });
        return retry && !cancelled() ? Answer::Retry : Answer::Cancel;
    }
    void showMessage(int stringId, const std::string& detail) override {
        m_owner->callOnOwnerThread([o = m_owner, stringId, d = QString::fromStdString(detail)] {
            if (o->m_message)
                o->m_message(stringId, d);
        });
    }

private:
    TransferController* m_owner;
    int m_position = 0;
};

TransferController::TransferController(QObject* parent) : QObject(parent) {
    m_factory = [](const std::string& name, const std::atomic<bool>* cancel) {
        return createPort(name, cancel);
    };
}

TransferController::~TransferController() {
    if (!m_thread)
        return;
    m_cancel = true;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_abandon = true;
    }
    m_wake.notify_all();
    m_thread->wait();
    delete m_thread;
}

void TransferController::callOnOwnerThread(const std::function<void()>& call) {
    // The state outlives this call: the queued functor may run after the
    // worker gave up waiting (controller going away).
    struct Pending {
        bool done = false;
    };
    auto pending = std::make_shared<Pending>();
    QMetaObject::invokeMethod(
        this,
        [this, pending, call] {
            call();
            {
                std::lock_guard<std::mutex> guard(m_lock);
                pending->done = true;
            }
            m_wake.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock<std::mutex> guard(m_lock);
    m_wake.wait(guard, [&] { return pending->done || m_abandon; });
}

bool TransferController::start(const TransferRequest& request, const Image& image) {
    return launch(request.portName, request.direction == Direction::Write ? "write" : "read",
                  [this, request, image](Port& port, Clock& clock, TransferSink& sink,
                                         TransferResult& result) -> std::function<void()> {
                      Image working = image;
                      result = runTransfer(request, port, clock, sink, working);
                      return [this, result, working] { emit finished(result, working); };
                  });
}

bool TransferController::startVerify(const std::string& portName, bool factory,
                                     const Image& written) {
    // To the radio and in the log the check is a read.
    return launch(
        portName, "read",
        [this, portName, factory, written](Port& port, Clock& clock, TransferSink& sink,
                                           TransferResult& result) -> std::function<void()> {
            const VerifyOutcome outcome =
                verifyWrite(portName, factory, port, clock, sink, written);
            result = outcome.read;
            return [this, outcome] { emit verified(outcome); };
        });
}

bool TransferController::launch(const std::string& portName, const char* what, Job job) {
    if (m_thread)
        return false;
    m_cancel = false;
    m_abandon = false;
    m_traceError.clear();
    auto work = [this, portName, what = std::string(what), job = std::move(job), trace = m_trace] {
        // Created here so the port lives and dies in the worker thread.
        std::unique_ptr<Port> port = m_factory(portName, &m_cancel);
        SystemClock clock;
        WorkerSink sink(this);
        // Without a log nothing is wrapped at all.
        std::unique_ptr<TracingPort> tracedPort;
        std::unique_ptr<TracingSink> tracedSink;
        if (trace) {
            trace->event(portName, what);
            tracedPort = std::make_unique<TracingPort>(*port, *trace, portName);
            tracedSink = std::make_unique<TracingSink>(sink, *trace, portName);
        }
        TransferResult result;
        const std::function<void()> emitEnd =
            job(tracedPort ? static_cast<Port&>(*tracedPort) : *port, clock,
                tracedSink ? static_cast<TransferSink&>(*tracedSink) : sink, result);
        std::string traceError;
        if (trace) {
            trace->event(portName, "result: " + resultText(result));
            // After the last byte: the wire timing stays as it is.
            if (const Result<void> flushed = trace->flush(); !flushed)
                traceError = failureText(flushed.failure(), untranslated());
        }
        tracedPort.reset();
        port.reset();
        QMetaObject::invokeMethod(
            this,
            [this, emitEnd, traceError] {
                m_traceError = QString::fromStdString(traceError);
                if (m_thread) {
                    m_thread->wait();
                    delete m_thread;
                    m_thread = nullptr;
                }
                emitEnd();
            },
            Qt::QueuedConnection);
    };
    m_thread = QThread::create(std::move(work));
    m_thread->setObjectName(QStringLiteral("transfer"));
    m_thread->start();
    return true;
}

void TransferController::cancel() {
    m_cancel = true;
}

} // namespace radio::link
