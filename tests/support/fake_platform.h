#pragma once

#include "reports/report_engine.h"
#include "reports/report_layout.h"
#include "shell/platform.h"
#include "shell/screen.h"

#include <QApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace solario::test {

// Stands in for the desktop: records every call, answers the boxes from a script, and
// lets the test drive each screen that is shown before it closes.
class FakePlatform : public Platform {
public:
    struct Box {
        QString text;
        QString title;
        int flags;
        QString focus; // the control that had the focus when the box came up
    };
    using Driver = std::function<void(Screen&)>;

    int MessageBox(const QString& text, const QString& title, int flags) override {
        QWidget* focused = QApplication::focusWidget();
        boxes.append({text, title, flags, focused ? focused->objectName() : QString()});
        calls.append(QStringLiteral("MessageBox:") + title);
        if (!answers.isEmpty())
            return answers.takeFirst();
        return (flags & box::kButtonsMask) == box::kYesNo ? box::kYes : box::kOk;
    }

    // Shows the screen, runs its activation, then the next driver; a screen the driver
    // leaves open is closed with its close box, as a user would.
    void ShowModal(Screen& screen) override {
        calls.append(QStringLiteral("ShowModal:") + screen.objectName());
        screen.show();
        QApplication::setActiveWindow(&screen); // as the desktop gives it the keyboard
        screen.Form_Activate();
        if (!screen.IsUnloaded() && !drivers.isEmpty())
            drivers.takeFirst()(screen);
        if (!screen.IsUnloaded())
            screen.close();
        calls.append(QStringLiteral("Closed:") + screen.objectName());
    }

    void SetBusy(bool busy) override {
        calls.append(busy ? QStringLiteral("Busy") : QStringLiteral("NotBusy"));
    }

    int ShowHelp(QWidget* owner, const QString& helpFile, int topic) override {
        calls.append(QStringLiteral("ShowHelp:%1:%2:%3")
                         .arg(helpFile)
                         .arg(topic)
                         .arg(owner ? owner->objectName() : QString()));
        ++openHelp;
        return 1;
    }

    int CloseAllHelp(QWidget* owner, const QString& helpFile) override {
        calls.append(QStringLiteral("CloseAllHelp:%1:%2")
                         .arg(helpFile, owner ? owner->objectName() : QString()));
        openHelp = 0;
        return 0;
    }

    bool OpenDocument(const QString& path) override {
        calls.append(QStringLiteral("OpenDocument:") + path);
        return documentOpens;
    }
    bool documentOpens = true; // false: as a desktop without a PDF viewer

    // Answers a save dialog with saveAnswer (empty: the user cancels).
    QString ChooseSaveFile(QWidget*, const QString& title, const QString& kind,
                           const QString& suggestedName, const QString&) override {
        calls.append(QStringLiteral("ChooseSaveFile:") + title + u':' + kind + u':' +
                     suggestedName);
        return saveAnswer;
    }
    QString saveAnswer;

    // Records the report; with reportFolder set, writes it there as <layout>.pdf, as a
    // user saving it from the preview would.
    Status ShowReport(const ReportDocument& document, QWidget*) override {
        const ReportLayout& layout = document.Layout();
        calls.append(QStringLiteral("ShowReport:") + layout.name);
        shownLayout = layout;
        reportPages = document.PageCount();
        if (reportFolder.isEmpty())
            return {};
        const Result<int> pages = SaveReportPdf(
            document, reportFolder + u'/' + layout.name + QStringLiteral(".pdf"));
        if (!pages)
            reportPages = -1;
        return pages ? Status() : Status(Failure{pages.error()});
    }

    // Counts the steps of each piece of work shown; stops the work at step stopAtStep
    // (from 1) of any of them, as a user pressing 中止 would.
    class FakeProgress : public ProgressView {
    public:
        explicit FakeProgress(FakePlatform& p) : p_(p) {}
        bool Step(qint64 done, qint64 total) override {
            ++p_.progressSteps;
            p_.progressTotal = total;
            Q_UNUSED(done);
            return p_.stopAtStep <= 0 || p_.progressSteps < p_.stopAtStep;
        }

    private:
        FakePlatform& p_;
    };
    std::unique_ptr<ProgressView> ShowProgress(QWidget*, const QString& text) override {
        progressTexts.append(text);
        return std::make_unique<FakeProgress>(*this);
    }

    void EndProgram(int exitCode) override {
        calls.append(QStringLiteral("EndProgram:%1").arg(exitCode));
        ended = true;
        endCode = exitCode;
    }

    // The calls whose text starts with the prefix.
    QStringList Calls(const QString& prefix) const {
        QStringList found;
        for (const QString& c : calls)
            if (c.startsWith(prefix))
                found.append(c);
        return found;
    }

    QList<Box> boxes;
    QList<int> answers; // next answers, in order; then Yes / OK
    QList<Driver> drivers;
    QStringList calls;
    int openHelp = 0;
    QString reportFolder;
    int reportPages = 0;
    ReportLayout shownLayout; // as the last report shown was printed
    QStringList progressTexts;
    qint64 progressSteps = 0;
    qint64 progressTotal = 0;
    qint64 stopAtStep = 0;
    bool ended = false;
    int endCode = -1;
};

} // namespace solario::test
