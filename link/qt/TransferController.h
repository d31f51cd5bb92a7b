#pragma once
// Runs a clone transfer on a worker thread so the window stays responsive.
// The port is created inside that thread; progress comes back as signals,
// and the Retry/Cancel question and the messages are asked on the thread
// that owns the controller (the window's), through handlers it supplies.

#include "link/Port.h"
#include "link/Tracing.h"
#include "link/Transfer.h"
#include "link/Verify.h"
#include "model/Image.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class QThread;

namespace radio::link {

class TransferController : public QObject {
    Q_OBJECT
public:
    using PortFactory =
        std::function<std::unique_ptr<Port>(const std::string& name, const std::atomic<bool>*)>;
    // Returns true for Retry.
    using QuestionHandler = std::function<bool(int stringId)>;
    using MessageHandler = std::function<void(int stringId, const QString& detail)>;

    explicit TransferController(QObject* parent = nullptr);
    // Cancels a running transfer and waits for its thread.
    ~TransferController() override;

    void setPortFactory(PortFactory factory) { m_factory = std::move(factory); }
    void setQuestionHandler(QuestionHandler handler) { m_question = std::move(handler); }
    void setMessageHandler(MessageHandler handler) { m_message = std::move(handler); }
    // The transfers started from now on are logged there, or not at all with
    // null; the log is written out when each transfer ends.
    void setTraceLog(std::shared_ptr<TraceLog> log) { m_trace = std::move(log); }
    // Why the last transfer's log could not be written; empty when it was.
    QString traceError() const { return m_traceError; }

    // Starts a transfer of `image` (what a write sends; what a read starts
    // from). False when one is already running.
    bool start(const TransferRequest& request, const Image& image);
    // Starts the read-back of a write just made (link/Verify): the radio on
    // `portName` is read and compared with `written`. Progress and phases
    // (Verifying) come as for any transfer; the end comes as verified().
    // False when a transfer is already running.
    bool startVerify(const std::string& portName, bool factory, const Image& written);
    // Asks the running transfer to stop; it ends within one block.
    void cancel();
    bool isRunning() const { return m_thread != nullptr; }

signals:
    void rangeChanged(int maximum);
    void progressChanged(int position, const QString& text);
    void phaseChanged(radio::link::TransferPhase phase);
    // `image` is the image given to start(); after a successful read it holds
    // the radio's bytes in the transferred range.
    void finished(const radio::link::TransferResult& result, const radio::Image& image);
    // The end of a startVerify() session.
    void verified(const radio::link::VerifyOutcome& outcome);

private:
    class WorkerSink;
    friend class WorkerSink;

    // The worker's part: runs the session and returns what the owner's thread
    // then does with it (emits the end signal).
    using Job = std::function<std::function<void()>(Port&, Clock&, TransferSink&, TransferResult&)>;
    bool launch(const std::string& portName, const char* what, Job job);

    // Runs `call` on the controller's thread and waits for it, unless the
    // controller is being destroyed (then `call` may never run).
    void callOnOwnerThread(const std::function<void()>& call);

    PortFactory m_factory;
    QuestionHandler m_question;
    MessageHandler m_message;
    std::shared_ptr<TraceLog> m_trace;
    QString m_traceError;
    QThread* m_thread = nullptr;
    std::atomic<bool> m_cancel{false};

    std::mutex m_lock;
    std::condition_variable m_wake;
    bool m_abandon = false;
};

} // namespace radio::link
