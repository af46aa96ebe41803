#pragma once
// The temporary folders of what is handed to the mail program. Each send gets a folder of its
// own, kept until this run ends, because a mail program may read an attachment long after it
// was started; folders that ended runs left behind are cleared when the next run starts.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

namespace lumivane {

class MailSpool {
public:
    // Whether the process with that id is still running; the platform knows how to ask.
    using RunningFn = std::function<bool(std::int64_t processId)>;

    // Clears the folders under root whose run has ended.
    MailSpool(std::filesystem::path root, std::int64_t processId, RunningFn isRunning);
    // Removes this run's folders.
    ~MailSpool();
    MailSpool(const MailSpool&) = delete;
    MailSpool& operator=(const MailSpool&) = delete;

    // A new, empty folder for one send; none when it could not be made.
    std::optional<std::filesystem::path> NewFolder();

private:
    void ClearEndedRuns(const RunningFn& isRunning) const;
    std::filesystem::path m_root;
    std::int64_t m_processId;
    int m_sends = 0;
};

} // namespace lumivane
