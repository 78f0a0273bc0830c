#include "shell/qt_platform.h"

#include "data/report_data.h"
#include "reports/report_engine.h"
#include "shell/message_boxes.h"
#include "shell/report_preview.h"
#include "shell/screen.h"
#include "shell/screen_kit.h"
#include "shell/settings.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace solario {

// The program's own help window: one page of the compiled help at a time, its links
// and pictures read from the same file.
class HelpWindow : public QWidget {
public:
    HelpWindow(QHelpEngineCore& engine, QWidget* owner)
        : QWidget(owner, Qt::Window), browser_(new Browser(engine, this)) {
        setObjectName(QStringLiteral("HelpWindow"));
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(QStringLiteral("【ソラリオ】ヘルプ"));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser_);
        browser_->setOpenExternalLinks(false);
        browser_->setAccessibleName(QStringLiteral("ヘルプの本文"));
        resize(logicalDpiX() * 7, logicalDpiY() * 6);
        // Closed by keys as well as by its close box.
        for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
            connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
        // The caption follows the page, also when a link leads to another.
        connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
            if (const QString title = browser_->documentTitle(); !title.isEmpty())
                setWindowTitle(QStringLiteral("【ソラリオ】ヘルプ - ") + title);
        });
    }

    void showEvent(QShowEvent* event) override {
        FitOnScreen(*this);
        QWidget::showEvent(event);
    }

    void ShowPage(const QUrl& url) {
        // The viewer reads the pages' style sheet itself: a linked sheet is not applied.
        const QUrl css = url.resolved(QUrl(QStringLiteral("style.css")));
        browser_->document()->setDefaultStyleSheet(
            QString::fromUtf8(browser_->Engine().fileData(css)));
        browser_->setSource(url);
        show();
        raise();
        activateWindow();
    }

private:
    class Browser : public QTextBrowser {
    public:
        Browser(QHelpEngineCore& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {}
        QHelpEngineCore& Engine() const { return engine_; }
        QVariant loadResource(int type, const QUrl& name) override {
            if (name.scheme() == u"qthelp")
                return engine_.fileData(name);
            return QTextBrowser::loadResource(type, name);
        }

    private:
        QHelpEngineCore& engine_;
    };

    Browser* browser_;
};

QtPlatform::QtPlatform(QString programFolder) : programFolder_(std::move(programFolder)) {}

QtPlatform::~QtPlatform() {
    for (const QPointer<HelpWindow>& w : helpWindows_)
        delete w.data();
}

namespace {

// A message box is as wide as the message's longest line (up to most of the screen), so
// that a line never breaks in the middle of a word: Japanese text would wrap anywhere.
void KeepLinesWhole(QMessageBox& box, const QString& text) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return;
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const QScreen* screen =
        box.parentWidget() ? box.parentWidget()->screen() : QGuiApplication::primaryScreen();
    const int limit = screen ? screen->availableGeometry().width() * 4 / 5 : widest;
    label->setMinimumWidth(std::min(widest + 8, limit));
}

} // namespace

int QtPlatform::MessageBox(const QString& text, const QString& title, int flags) {
    QMessageBox mb(QApplication::activeWindow());
    mb.setWindowTitle(title);
    // Our texts break lines with a lone carriage return; Qt breaks on line feeds.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    mb.setText(shown);
    mb.setTextFormat(Qt::PlainText);
    KeepLinesWhole(mb, shown);
    switch (flags & box::kIconMask) {
    case box::kCritical:
        mb.setIcon(QMessageBox::Critical);
        break;
    case box::kQuestion:
        mb.setIcon(QMessageBox::Question);
        break;
    case box::kExclamation:
        mb.setIcon(QMessageBox::Warning);
        break;
    case box::kInformation:
        mb.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    // A busy pointer must not hide the box's buttons.
    const bool busy = busy_ > 0;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    int answer = box::kOk;
    if ((flags & box::kButtonsMask) == box::kYesNo) {
        QPushButton* yes = mb.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        QPushButton* no = mb.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        mb.setDefaultButton(yes);
        mb.setEscapeButton(no);
        mb.exec();
        answer = mb.clickedButton() == yes ? box::kYes : box::kNo;
    } else {
        QPushButton* ok = mb.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        mb.setDefaultButton(ok);
        mb.setEscapeButton(ok);
        mb.exec();
    }
    if (busy)
        QApplication::restoreOverrideCursor();
    return answer;
}

void QtPlatform::ShowModal(Screen& screen) {
    // Our own loop, not QDialog::exec: a screen hides itself while its child is open,
    // and hiding would end exec's loop.
    screen.setWindowModality(Qt::ApplicationModal);
    screen.show();
    screen.Form_Activate();
    if (screen.IsUnloaded())
        return;
    QEventLoop loop;
    QObject::connect(&screen, &QDialog::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
}

void QtPlatform::SetBusy(bool busy) {
    if (busy) {
        ++busy_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busy_ > 0) {
        --busy_;
        QApplication::restoreOverrideCursor();
    }
}

QHelpEngineCore* QtPlatform::Engine(const QString& helpFile) {
    const QString path = QDir(programFolder_).filePath(helpFile);
    if (engine_ && engineFile_ == path)
        return engine_.get();
    engine_.reset();
    if (!QFileInfo(path).isFile())
        return nullptr;
    auto engine = std::make_unique<QHelpEngineCore>(path);
    engine->setReadOnly(true);
    if (!engine->setupData())
        return nullptr;
    engine_ = std::move(engine);
    engineFile_ = path;
    return engine_.get();
}

int QtPlatform::ShowHelp(QWidget* owner, const QString& helpFile, int topic) {
    QHelpEngineCore* engine = Engine(helpFile);
    if (!engine)
        return 0; // a missing help file fails silently
    const QList<QHelpLink> links = engine->documentsForIdentifier(QString::number(topic));
    if (links.isEmpty())
        return 0;
    HelpWindow* window = nullptr;
    helpWindows_.removeAll(QPointer<HelpWindow>());
    for (const QPointer<HelpWindow>& w : helpWindows_)
        if (w->parentWidget() == owner)
            window = w.data();
    if (!window) {
        window = new HelpWindow(*engine, owner);
        helpWindows_.append(window);
    }
    window->ShowPage(links.first().url);
    return 1;
}

int QtPlatform::CloseAllHelp(QWidget*, const QString&) {
    for (const QPointer<HelpWindow>& w : helpWindows_)
        if (w)
            w->close();
    helpWindows_.clear();
    return 0;
}

bool QtPlatform::OpenDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

Status QtPlatform::ShowReport(const ReportDocument& document, QWidget* owner) {
    ReportPreview preview(document, *this, owner);
    preview.exec();
    return {};
}

namespace {

// The progress window: shown only when the work lasts, updated a few times a second so
// that the work, not the window, takes the time.
class ProgressWindow : public Platform::ProgressView {
public:
    ProgressWindow(QWidget* owner, const QString& text) : dialog_(owner) {
        dialog_.setWindowTitle(QStringLiteral("【ソラリオ】お待ちください"));
        dialog_.setLabelText(text);
        dialog_.setCancelButtonText(QStringLiteral("中止"));
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setAutoReset(false);
        dialog_.setAutoClose(false);
        // Shown by Step when the work lasts, never by the dialog's own timer.
        dialog_.setMinimumDuration(std::numeric_limits<int>::max());
        dialog_.reset();
        started_.start();
    }
    ~ProgressWindow() override {
        if (shown_)
            QApplication::restoreOverrideCursor();
    }

    bool Step(qint64 done, qint64 total) override {
        if (updated_.isValid() && updated_.elapsed() < 50)
            return !dialog_.wasCanceled();
        if (!shown_ && started_.elapsed() < 300) {
            updated_.start();
            return true;
        }
        if (!shown_) {
            shown_ = true;
            // The busy pointer would hide that 中止 can be pressed.
            QApplication::setOverrideCursor(Qt::ArrowCursor);
            dialog_.show();
        }
        // The bar counts in thousandths, so that any total fits it.
        dialog_.setRange(0, 1000);
        dialog_.setValue(total > 0 ? int(std::min<qint64>(1000, done * 1000 / total)) : 0);
        QCoreApplication::processEvents();
        updated_.start();
        return !dialog_.wasCanceled();
    }

private:
    QProgressDialog dialog_;
    QElapsedTimer started_;
    QElapsedTimer updated_;
    bool shown_ = false;
};

} // namespace

std::unique_ptr<Platform::ProgressView> QtPlatform::ShowProgress(QWidget* owner,
                                                                 const QString& text) {
    return std::make_unique<ProgressWindow>(owner, text);
}

void QtPlatform::EndProgram(int exitCode) {
    CloseAllHelp(nullptr, QString());
    QCoreApplication::exit(exitCode);
}

QString QtPlatform::ChooseSaveFile(QWidget* owner, const QString& title, const QString& kind,
                                   const QString& suggestedName, const QString& filter) {
    const QString path = QFileDialog::getSaveFileName(
        owner, title, QDir(LastUsedFolder(kind)).filePath(suggestedName), filter);
    if (!path.isEmpty())
        RememberFolder(kind, QFileInfo(path).absolutePath());
    return path;
}

} // namespace solario
