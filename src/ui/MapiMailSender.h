#pragma once
// The mail program of a Windows system, reached through Simple MAPI. The library is loaded when
// the first message goes out, so the program starts on a machine without one; "MAPISendMail"
// shows the message to the user, who adds the recipients and sends it.

#include "reports/Mailer.h"

#include <string>

namespace lumivane {

class MapiMailSender : public MailSender {
public:
    // library: the DLL, by name (found as Windows finds DLLs) or by full path.
    explicit MapiMailSender(std::wstring library = L"MAPI32.DLL");
    ~MapiMailSender() override;
    MapiMailSender(const MapiMailSender&) = delete;
    MapiMailSender& operator=(const MapiMailSender&) = delete;

    // Whether the library is there to be loaded.
    bool IsAvailable() const override;
    MailResult Send(const MailMessage& message) override;

private:
    std::wstring m_library;
    // The loaded library (an HMODULE), kept while a mail program may still use it.
    void* m_module = nullptr;
};

} // namespace lumivane
