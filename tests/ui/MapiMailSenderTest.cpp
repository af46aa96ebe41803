#include "ui/MapiMailSender.h"

#include "support/TempDir.h"
#include "ui/SimpleMapi.h"

#include <QTest>

#include <fstream>

#include "MapiStandIn.h"

namespace lumivane {
namespace {

using TakeFn = int (*)(MapiStandInCall*);
using AnswerFn = void (*)(ULONG);

template <typename Fn> Fn StandInFunction(const char* name) {
    HMODULE standIn = GetModuleHandleW(LUMIVANE_MAPI_STAND_IN_NAME);
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(standIn, name)));
}

MapiStandInCall TakeCall() {
    MapiStandInCall call;
    if (StandInFunction<TakeFn>("MapiStandInTake")(&call) != 1) {
        call.flags = ~0u;
    }
    return call;
}

void Answer(ULONG code) {
    StandInFunction<AnswerFn>("MapiStandInAnswer")(code);
}

} // namespace

class MapiMailSenderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void withoutTheLibraryTheCommandsAreOffAndSendingSaysSo() {
        MapiMailSender sender(L"no-such-mapi-library.dll");
        QVERIFY(!sender.IsAvailable());
        QCOMPARE(sender.Send({"text", std::nullopt}), MailResult::NoMailSystem);
    }

    void aLibraryWithoutSendMailIsInvalid() {
        MapiMailSender sender(L"kernel32.dll");
        QVERIFY(sender.IsAvailable());
        QCOMPARE(sender.Send({"text", std::nullopt}), MailResult::InvalidMailSystem);
    }

    // A folder name outside the ANSI code page still reaches the mail program as a path it
    // can open.
    void anAttachmentGoesByAPathTheMailProgramCanOpen() {
        test::TempDir dir;
        const auto folder = dir / std::filesystem::path(u8"Projekte Zürich ñ Ωμέγα");
        std::filesystem::create_directory(folder);
        const auto file = folder / std::filesystem::path(u8"Säal Ω.hoprj");
        std::ofstream(file, std::ios::binary) << "QOR1";

        MapiMailSender sender(LUMIVANE_MAPI_STAND_IN);
        QVERIFY(sender.IsAvailable());
        QCOMPARE(sender.Send({{}, MailAttachment{file, "Saal.hoprj"}}), MailResult::Sent);
        const MapiStandInCall call = TakeCall();
        QCOMPARE(call.flags, mapi::kLogonUi | mapi::kDialog);
        QVERIFY(!call.subject);
        QCOMPARE(call.recipients, 0ul);
        QCOMPARE(call.files, 1ul);
        QCOMPARE(call.position, mapi::kNoPosition);
        QCOMPARE(call.name, std::string("Saal.hoprj"));
        QCOMPARE(call.attached, std::string("QOR1"));
        QVERIFY(call.body.empty());
    }

    void theReportTextIsTheBodyWithWindowsLineEnds() {
        MapiMailSender sender(LUMIVANE_MAPI_STAND_IN);
        QCOMPARE(
            sender.Send({"RIVERSIDE\nAuditorium List\n\n\tProject Manager:\tAnn\n", std::nullopt}),
            MailResult::Sent);
        const MapiStandInCall call = TakeCall();
        QCOMPARE(call.body,
                 std::string("RIVERSIDE\r\nAuditorium List\r\n\r\n\tProject Manager:\tAnn\r\n"));
        QCOMPARE(call.files, 0ul);
        QCOMPARE(call.flags, mapi::kLogonUi | mapi::kDialog);
    }

    void cancelAndFailedLogOnAreSilentOtherErrorsFail() {
        MapiMailSender sender(LUMIVANE_MAPI_STAND_IN);
        const std::pair<ULONG, MailResult> cases[] = {{0, MailResult::Sent},
                                                      {1, MailResult::Declined},
                                                      {3, MailResult::Declined},
                                                      {2, MailResult::Failed},
                                                      {26, MailResult::Failed}};
        QVERIFY(sender.IsAvailable());
        QCOMPARE(sender.Send({"x", std::nullopt}), MailResult::Sent);
        for (const auto& [code, result] : cases) {
            Answer(code);
            QCOMPARE(sender.Send({"x", std::nullopt}), result);
        }
        Answer(0);
    }
};

} // namespace lumivane

QTEST_MAIN(lumivane::MapiMailSenderTest)
#include "MapiMailSenderTest.moc"
