// The game's windows, and the GameWindows the rules talk to.
#pragma once

#include <memory>

#include "game/core/settings.h"
#include "game/core/windows.h"
#include "game/windows/loading_hold.h"
#include "game/windows/log_line_counter.h"

namespace game {

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class CampaignWindow;
class Form7;
class Form8;
class HelpWindow;
class SettingsWindow;
class QtSpeaker;
class RecordsWindow;

class WindowSet final : public GameWindows {
  public:
    WindowSet();
    ~WindowSet() override;

    Form1& form1() { return *form1_; }
    Form2& form2() { return *form2_; }
    Form3& form3() { return *form3_; }
    Form4& form4() { return *form4_; }
    Form5& form5() { return *form5_; }
    Form6& form6() { return *form6_; }
    CampaignWindow& campaigns() { return *campaigns_; }
    Form7& form7() { return *form7_; }
    Form8& form8() { return *form8_; }
    HelpWindow& help() { return *help_; }
    SettingsWindow& settings() { return *settings_; }
    RecordsWindow& records() { return *records_; }

    // How the windows are shown and behave, from setup.ini.
    void ApplyViewSettings(const ViewSettings& view);

    // The exit status the program ends with when the windows are unloaded.
    void SetExitStatus(int status) { exitStatus_ = status; }

    int LogLineCount() override;
    void ClearLog() override;
    void AppendLogLine(const PlayerText& text) override;
    bool ReplaceLastLogLine(const std::string& from, const std::string& to) override;
    int TextWidth(const std::string& text) override;
    void ShowStatus(const StatusCaptions& captions) override;
    void SetLivesCaption(const std::string& caption) override;
    void ShowNotice(const PlayerText& text) override;
    void ShowHelp() override;
    void ShowMessageBox(const PlayerText& text, const std::string& title) override;
    bool AskQuestion(const char* question, int32_t number, bool yesByDefault) override;
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
    bool LoadBackground(Form form, const std::string& path) override;
    void ShowLoadingNotice() override;
    bool LoadSurfaces(std::string* failedPath) override;
    void FreeSurfaces() override;
    void ShowMainMenu() override;
    int32_t MainWindowHandle() override;
    void UnloadWindows() override;

  private:
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form5> form5_;
    std::unique_ptr<Form6> form6_;
    std::unique_ptr<Form7> form7_;
    std::unique_ptr<Form8> form8_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<RecordsWindow> records_;
    std::unique_ptr<SettingsWindow> settings_;
    std::unique_ptr<CampaignWindow> campaigns_;
    // Reads texts aloud when the player asks for it.
    std::unique_ptr<QtSpeaker> speaker_;
    // The log's lines as it shows them at its normal size.
    LogLineCounter logLines_;
    LoadingHold loadingHold_;
    bool busy_ = false;
    int exitStatus_ = 0;
};

}  // namespace game
