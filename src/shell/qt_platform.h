#pragma once

#include "shell/platform.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <memory>

class QHelpEngineCore;

namespace solario {

class HelpWindow;

// The desktop implementation of Platform over Qt Widgets.
class QtPlatform : public Platform {
public:
    // Help files are looked up in the program folder.
    explicit QtPlatform(QString programFolder);
    ~QtPlatform() override;

    int MessageBox(const QString& text, const QString& title, int flags) override;
    void ShowModal(Screen& screen) override;
    void SetBusy(bool busy) override;
    int ShowHelp(QWidget* owner, const QString& helpFile, int topic) override;
    int CloseAllHelp(QWidget* owner, const QString& helpFile) override;
    bool OpenDocument(const QString& path) override;
    QString ChooseSaveFile(QWidget* owner, const QString& title, const QString& kind,
                           const QString& suggestedName, const QString& filter) override;
    Status ShowReport(const ReportDocument& document, QWidget* owner) override;
    std::unique_ptr<ProgressView> ShowProgress(QWidget* owner, const QString& text) override;
    void EndProgram(int exitCode) override;

private:
    QHelpEngineCore* Engine(const QString& helpFile);

    QString programFolder_;
    QString engineFile_;
    std::unique_ptr<QHelpEngineCore> engine_;
    QList<QPointer<HelpWindow>> helpWindows_;
    int busy_ = 0;
};

} // namespace solario
