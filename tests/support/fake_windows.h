// A stand-in for the game's windows that records what the rules ask of them,
// for tests that run without a display.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "game/core/windows.h"

namespace testing_support {

class RecordingWindows : public game::GameWindows {
  public:
    // Every call in order, as "Name" or "Name(argument)".
    std::vector<std::string> calls;
    // The log box's lines; an empty box holds one empty line.
    std::vector<std::string> log{""};
    game::StatusCaptions status{};
    std::string livesCaption;
    std::vector<std::string> notices;
    std::vector<std::pair<std::string, std::string>> messageBoxes;  // text, title
    std::string progressBar;
    bool progressShown = false;
    int framesDrawn = 0;

    // Pixels per character of the play field's font (UTF-8 characters).
    int textWidthPerChar = 6;
    // Pictures that fail to load, by path.
    std::map<std::string, bool> failingPictures;
    bool surfacesLoad = true;

    // Hooks for the frame loop tests.
    std::function<void()> onProcessEvents;
    std::function<void()> onDrawFrame;
    std::function<void(const std::string&)> onNotice;
    // While a message box is shown (a signal may come then).
    std::function<void()> onMessageBox;
    std::function<void()> onCloseMainWindow;
    // Where the loading notice takes events: as it shows, and at each
    // advance of its bar.
    std::function<void()> onLoadingNoticeEvents;

    // Log lines without the empty first line.
    std::vector<std::string> LogLines() const {
        return std::vector<std::string>(log.begin() + 1, log.end());
    }
    bool Called(const std::string& call) const;
    int CountCalls(const std::string& prefix) const;

    int LogLineCount() override { return static_cast<int>(log.size()); }
    void ClearLog() override;
    void AppendLogLine(const game::PlayerText& text) override;
    bool ReplaceLastLogLine(const std::string& from, const std::string& to) override;
    int TextWidth(const std::string& text) override;
    void ShowStatus(const game::StatusCaptions& captions) override;
    void SetLivesCaption(const std::string& caption) override;
    void ShowNotice(const game::PlayerText& text) override;
    void ShowHelp() override;
    void ShowMessageBox(const game::PlayerText& text, const std::string& title) override;
    // Recorded as "AskQuestion(question|number|yes or no)"; answered with
    // `answer`.
    bool AskQuestion(const char* question, int32_t number, bool yesByDefault) override;
    bool answer = false;
    void ShowProgress() override;
    void AdvanceProgress(int dashes) override;
    void HideProgress() override;
    void SetBusyCursor(bool busy) override;
    void EndGameToMenu() override;
    void SuspendToMenu() override;
    void ResumeGameWindow() override;
    void CloseMainWindow() override;
    void ProcessEvents() override;
    void DrawFrame() override;
    bool LoadBackground(game::Form form, const std::string& path) override;
    void ShowLoadingNotice() override;
    bool LoadSurfaces(std::string* failedPath) override;
    void FreeSurfaces() override;
    void ShowMainMenu() override;
    int32_t MainWindowHandle() override { return 4242; }
    void UnloadWindows() override;
};

}  // namespace testing_support
