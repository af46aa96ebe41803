#pragma once
// The e-mail commands' platform side: the mailer over the system's mail program with its
// temporary folders in the user's cache, and the PDF of the project's details pages.

#include "reports/Mailer.h"

#include <cstdint>
#include <memory>

class CQorDoc;

namespace lumivane {

// Whether a process of that id runs on this machine.
bool IsProcessRunning(std::int64_t processId);

std::unique_ptr<ProjectMailer> MakeProjectMailer();

// Every details page of the project, as the project details print them.
MailNotice EmailProjectPdf(ProjectMailer& mailer, const CQorDoc& doc);

} // namespace lumivane
