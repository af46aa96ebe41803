#pragma once
// The application object: sets the process up at start (settings, live update, catalogs, units,
// the project named on the command line) and saves what it alone owns at exit. Questions and
// messages go through UserInterface, so tests can answer them without a screen.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct AppSettings;
class CQorDoc;
class QWidget;

namespace lumivane {
class ClockAndLocale;
class QtSettingsStore;
class SettingsStore;
} // namespace lumivane

class CQorApp {
public:
    enum class UpdateAnswer { Ok, Cancel, Never };
    enum class MessageKind { Information, Error };

    struct UserInterface {
        std::function<UpdateAnswer()> askUpdate;
        std::function<void(MessageKind kind, const std::string& caption, const std::string& text)>
            showMessage;
    };

    // Where the catalog store is kept and where its text files are found.
    struct Locations {
        std::filesystem::path catalogStore;
        std::filesystem::path catalogText;
        std::string programPath;
    };

    // The update prompt and message boxes as real dialogs over parent.
    static UserInterface RealDialogs(QWidget* parent = nullptr);
    // The locations of the running program.
    static Locations ProgramLocations();

    CQorApp(std::shared_ptr<const lumivane::ClockAndLocale> clock, UserInterface ui,
            Locations locations);
    ~CQorApp();
    CQorApp(const CQorApp&) = delete;
    CQorApp& operator=(const CQorApp&) = delete;

    // False when the program must end at once (the project to open could not be read).
    bool InitInstance(const std::filesystem::path& projectFile = {});
    // Saves the column boundaries and the preview page count; the exit code. The recent files
    // are in the settings store already: the open commands write them as they change.
    int ExitInstance();

    CQorDoc* Document() const { return m_document.get(); }
    // Newest first.
    std::vector<std::string> RecentFiles() const;

private:
    void OfferLiveUpdate(lumivane::SettingsStore& store, int today);
    void DownloadUpdate(lumivane::SettingsStore& store, const std::string& serverBase, int today);
    void LoadCatalogs();
    bool OpenCommandLineFile(const std::filesystem::path& projectFile);

    std::shared_ptr<const lumivane::ClockAndLocale> m_clock;
    UserInterface m_ui;
    Locations m_locations;
    std::shared_ptr<lumivane::QtSettingsStore> m_store;
    std::unique_ptr<CQorDoc> m_document;
};

namespace lumivane {

// The live update is offered when a server is configured and an update is due today.
bool ShouldOfferLiveUpdate(const SettingsStore& store, const AppSettings& settings,
                           const std::string& serverBase, int today);
// The caption of the message that reports a download result.
std::string DownloadResultCaption(int result);

} // namespace lumivane
