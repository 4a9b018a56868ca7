#include "game/core/windows.h"

namespace game {
namespace {

// Used until real windows are installed: hears everything, shows nothing.
class SilentWindows final : public GameWindows {
  public:
    int LogLineCount() override { return 1; }
    void ClearLog() override {}
    void AppendLogLine(const std::string&) override {}
    int TextWidth(const std::string&) override { return 0; }
    void ShowStatus(const StatusCaptions&) override {}
    void SetLivesCaption(const std::string&) override {}
    void ShowNotice(const std::string&) override {}
    void ShowMessageBox(const std::string&, const std::string&) override {}
    void ShowProgress() override {}
    void AdvanceProgress(int) override {}
    void HideProgress() override {}
    void SetBusyCursor(bool) override {}
    void EndGameToMenu() override {}
    void SuspendToMenu() override {}
    void ResumeGameWindow() override {}
    void CloseMainWindow() override {}
    void ProcessEvents() override {}
    void DrawFrame() override {}
    bool LoadBackground(Form, const std::string&) override { return true; }
    void ShowLoadingNotice() override {}
    bool LoadSurfaces(std::string*) override { return true; }
    void FreeSurfaces() override {}
    void ShowMainMenu() override {}
    int32_t MainWindowHandle() override { return 0; }
    void UnloadWindows() override {}
};

SilentWindows silent;
GameWindows* current = &silent;

}  // namespace

GameWindows& Windows() {
    return *current;
}
void SetWindows(GameWindows* windows) {
    current = windows ? windows : &silent;
}

}  // namespace game
