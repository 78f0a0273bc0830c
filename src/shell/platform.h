#pragma once

#include "platform/result.h"

#include <QString>
#include <memory>

class QWidget;

namespace solario {

class Screen;
class ReportDocument;

// Message-box flags and answers, with the values the screens were written against.
namespace box {
inline constexpr int kOkOnly = 0;
inline constexpr int kYesNo = 4;
inline constexpr int kButtonsMask = 0x7;
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
inline constexpr int kIconMask = 0x70;
inline constexpr int kOk = 1;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
} // namespace box

// Everything a handler does beyond its own widgets goes through here, so that a test
// can stand in for the desktop: it records the calls, answers the boxes and drives the
// screens that are shown.
class Platform {
public:
    virtual ~Platform() = default;

    // Shows a modal message box; a line break in the text is a carriage return.
    // Returns the answer (box::kOk, box::kYes, box::kNo).
    virtual int MessageBox(const QString& text, const QString& title, int flags) = 0;

    // Shows the screen modally, runs its activation and returns once it has unloaded.
    virtual void ShowModal(Screen& screen) = 0;

    // The hourglass pointer while true, the default pointer after.
    virtual void SetBusy(bool busy) = 0;

    // Help: shows the topic of the help file in a help window owned by `owner`; closes
    // every help window. Both return the viewer's result (0 when nothing was shown).
    virtual int ShowHelp(QWidget* owner, const QString& helpFile, int topic) = 0;
    virtual int CloseAllHelp(QWidget* owner, const QString& helpFile) = 0;

    // Hands a document file to the desktop's viewer; false when the desktop could not
    // open it (no viewer for it).
    virtual bool OpenDocument(const QString& path) = 0;

    // Shows the laid-out report in a modal preview, from which the user prints or saves
    // a PDF, and returns once it is closed. What goes wrong in the preview is told there.
    virtual Status ShowReport(const ReportDocument& document, QWidget* owner) = 0;

    // A long piece of work in sight of the user: after a moment a window says what is
    // being done and how far it has come, with 中止 to stop it. Step answers false once
    // the user stopped it; the window goes when the view is destroyed.
    class ProgressView {
    public:
        virtual ~ProgressView() = default;
        virtual bool Step(qint64 done, qint64 total) = 0;
    };
    virtual std::unique_ptr<ProgressView> ShowProgress(QWidget* owner, const QString& text) = 0;

    // Asks where to save a file of a kind ("pdf", "csv"), suggesting the name in the folder
    // that kind was last saved in, and remembers the folder chosen. Empty when the user
    // cancels.
    virtual QString ChooseSaveFile(QWidget* owner, const QString& title, const QString& kind,
                                   const QString& suggestedName, const QString& filter) = 0;

    // Ends the program with the exit status.
    virtual void EndProgram(int exitCode) = 0;
};

} // namespace solario
