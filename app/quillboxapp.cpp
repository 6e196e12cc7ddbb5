#include "app/quillboxapp.h"

#include "frame/aboutdlg.h"
#include "frame/mainframe.h"
#include "frame/quillboxdoc.h"
#include "messages/core/folderdb.h"
#include "platform/filedialogservice.h"
#include "platform/inputfile.h"
#include "platform/keyboardcontextmenu.h"
#include "platform/messageboxservice.h"
#include "platform/paths.h"
#include "platform/translation.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLockFile>
#include <QScreen>
#include <QSettings>
#include <QSocketNotifier>
#include <QUrl>

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

const QString kDefaultHelpFile = QStringLiteral("QuillboxHelp.chm");

void printLine(FILE* stream, const QString& text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
    std::fflush(stream);
}

// The help file opens in whatever the desktop uses for its kind; without a viewer nothing
// happens.
void openHelpFile(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

enum class LockOutcome
{
    Taken,
    NoLockThere, // a folder where no lock can be made (read-only, missing)
    HeldElsewhere,
};

// Takes "<path>.lock" for this program, which lock then holds; lock is not touched unless
// it is taken. The lock of a program that ended without removing it is taken over, however
// long it lived.
LockOutcome lockBeside(const QString& path, std::unique_ptr<QLockFile>& lock)
{
    auto taken = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    taken->setStaleLockTime(0);
    if (taken->tryLock()) {
        lock = std::move(taken);
        return LockOutcome::Taken;
    }
    return taken->error() == QLockFile::LockFailedError ? LockOutcome::HeldElsewhere
                                                        : LockOutcome::NoLockThere;
}

// One file under whatever name it was given: a link, a "." or ".." in the folder.
QString sameFileName(const QString& path)
{
    const QFileInfo file(path);
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? file.absoluteFilePath() : folder + QLatin1Char('/') + file.fileName();
}

// A signal handler may only write to a descriptor; the window thread reads the other end,
// which carries the signal's number.
int g_signalSockets[2] = {-1, -1};
// The last stop signal, for a start-up that reaches its end before the window thread has
// read the descriptor.
volatile std::sig_atomic_t g_stopSignal = 0;

void onStopSignal(int number)
{
    g_stopSignal = number;
    const char byte = static_cast<char>(number);
    const ssize_t written = ::write(g_signalSockets[1], &byte, 1);
    static_cast<void>(written);
}

} // namespace

static void initQuillboxResources()
{
    // The resources live in a static library: they are brought in by name.
    Q_INIT_RESOURCE(quillbox);
}

CQuillboxApp::CQuillboxApp(QObject* parent) : QObject(parent)
{
    initQuillboxResources();
}

CQuillboxApp::~CQuillboxApp() = default;

QIcon CQuillboxApp::programIcon()
{
    initQuillboxResources();
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/quillbox/icons/quillbox-%1.png").arg(side),
                     QSize(side, side));
    return icon;
}

void CQuillboxApp::useDesktopIcons()
{
    // The toolbar, the tree and the list take their pictures from the desktop's icon theme.
    // Without a desktop (a bare X server, say) no theme is set and the plain one has none of
    // them: a complete theme that is installed steps in for the pictures missing.
    const QString current = QIcon::themeName();
    if (!current.isEmpty() && current != QLatin1String("hicolor"))
        return;
    for (const QString& folder : QIcon::themeSearchPaths()) {
        for (const QString& theme : {QStringLiteral("Adwaita"), QStringLiteral("breeze")}) {
            if (QFileInfo::exists(folder + QLatin1Char('/') + theme +
                                  QStringLiteral("/index.theme"))) {
                QIcon::setFallbackThemeName(theme);
                return;
            }
        }
    }
}

void CQuillboxApp::LoadSettings()
{
    QSettings store;
    m_settings.load(store);
}

void CQuillboxApp::SaveSettings() const
{
    QSettings store;
    m_settings.save(store);
    m_settings.saveProgressPosition(store);
    store.sync();
    if (store.status() != QSettings::NoError) {
        platform::showMessage(nullptr,
                              tr("The settings could not be written to\n%1")
                                  .arg(QDir::toNativeSeparators(store.fileName())),
                              {}, platform::MessageButtons::Ok, platform::MessageIcon::Warning);
    }
}

namespace {

const QString kHelpName = QStringLiteral("help");
const QString kVersionName = QStringLiteral("version");
const QString kLanguageName = QStringLiteral("lang");

// The program's command line: the three options and at most one file. False after a usage
// error, which the parser's errorText() or the file count explains. The texts are made
// here, in the language chosen when it is called.
bool parseCommandLine(QCommandLineParser& parser, const QStringList& arguments)
{
    parser.setApplicationDescription(
        CQuillboxApp::tr("Quillbox: the desktop companion of a two-way pager."));
    parser.addOptions(
        {QCommandLineOption({QStringLiteral("h"), kHelpName}, CQuillboxApp::tr("Show this help.")),
         QCommandLineOption({QStringLiteral("v"), kVersionName},
                            CQuillboxApp::tr("Show the version.")),
         QCommandLineOption(kLanguageName,
                            CQuillboxApp::tr("The language of the program's texts: %1. "
                                             "Without it, the desktop's language.")
                                .arg(platform::availableLanguages().join(QStringLiteral(", "))),
                            //: The value of --lang, in the command line's help.
                            CQuillboxApp::tr("language"))});
    parser.addPositionalArgument(
        //: The name of the command line's argument, in its help.
        CQuillboxApp::tr("file"),
        CQuillboxApp::tr("A folder database to work on in this run instead of the one in the "
                         "settings' folder."),
        //: The command line's argument in its usage line: the brackets say it may be left out.
        CQuillboxApp::tr("[file]"));
    return parser.parse(arguments) && parser.positionalArguments().size() <= 1;
}

// Makes the language of --lang, or the desktop's without it, the program's. Returns the
// value of an unknown --lang, the desktop's language then being chosen for its error.
QString chooseLanguage(const QStringList& arguments)
{
    QCommandLineParser parser;
    parseCommandLine(parser, arguments);
    const QString asked = parser.value(kLanguageName);
    if (!asked.isEmpty() && platform::useLanguage(asked))
        return {};
    platform::useLanguage(platform::desktopLanguage());
    return asked;
}

} // namespace

bool CQuillboxApp::asksForHelpOrVersion(const QStringList& arguments)
{
    QCommandLineParser parser;
    return parseCommandLine(parser, arguments) &&
           (parser.isSet(kHelpName) || parser.isSet(kVersionName));
}

int CQuillboxApp::answerCommandLine(const QStringList& arguments, QString* file)
{
    // The language comes first: the help, the errors and every window speak it.
    const QString unknownLanguage = chooseLanguage(arguments);
    QCommandLineParser parser;
    if (!parseCommandLine(parser, arguments)) {
        printLine(stderr, QStringLiteral("quillbox: ") +
                              (parser.errorText().isEmpty()
                                   ? tr("at most one file can be named.")
                                   : parser.errorText()));
        return 1;
    }
    if (!unknownLanguage.isEmpty()) {
        printLine(stderr, QStringLiteral("quillbox: ") +
                              tr("Unknown language '%1': the languages are %2.")
                                  .arg(unknownLanguage, platform::availableLanguages().join(
                                                            QStringLiteral(", "))));
        return 1;
    }
    if (parser.isSet(kHelpName)) {
        printLine(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(kVersionName)) {
        printLine(stdout, QStringLiteral("Quillbox %1").arg(CAboutDlg::versionText()));
        return 0;
    }
    if (file)
        *file = parser.positionalArguments().value(0);
    return -1;
}

bool CQuillboxApp::InitInstance(const QStringList& arguments)
{
    setApplicationIdentity();
    QGuiApplication::setDesktopFileName(QStringLiteral("quillbox"));
    QApplication::setWindowIcon(programIcon());
    useDesktopIcons();
    // Shift+F10 and the Menu key open context menus, for as long as this program runs.
    QCoreApplication::instance()->installEventFilter(new platform::KeyboardContextMenu(this));

    // The command line first: it chooses the language of everything that follows.
    QString named;
    m_nExitCode = answerCommandLine(arguments, &named);
    if (m_nExitCode >= 0)
        return false;
    m_nExitCode = 0;

    LoadSettings();
    m_pDoc = std::make_unique<CQuillboxDoc>(m_store, m_settings);
    if (!named.isEmpty()) {
        // Only a whole folder database is taken: any other file named by mistake is left
        // exactly as it is, never set aside or written over. A pipe or a device is refused
        // before anything reads from it.
        const QFileInfo file(named);
        QString why = platform::checkInputFile(file.absoluteFilePath());
        if (why.isEmpty()) {
            RecordList probe;
            const folderdb::ReadResult read = folderdb::readFile(file.absoluteFilePath(), probe);
            if (!read.ok)
                why = read.error;
        }
        if (!why.isEmpty()) {
            printLine(stderr, QStringLiteral("quillbox: ") +
                                  tr("%1 cannot be opened as a folder database: %2")
                                      .arg(QDir::toNativeSeparators(file.filePath()), why));
            m_nExitCode = 1;
            return false;
        }
        m_pDoc->setFolderDbPath(file.absoluteFilePath());
    }
    if (!lockFolderDb()) {
        m_nExitCode = 1;
        return false;
    }

    m_pFrame = std::make_unique<CMainFrame>(m_settings, *m_pDoc, m_book);
    connect(m_pFrame->action(CMainFrame::ID_HELP), &QAction::triggered, this,
            &CQuillboxApp::OnHelp);
    connect(m_pFrame->action(CMainFrame::ID_APP_ABOUT), &QAction::triggered, this,
            &CQuillboxApp::OnAppAbout);
    m_pFrame->setFolderDbMove(
        [this](const QString& from, const QString& to) { return moveFolderDbLock(from, to); });
    connect(m_pFrame.get(), &CMainFrame::closed, this, [this] {
        m_pDoc->OnCloseDocument();
        SaveSettings();
        // The close has written the database: another program may have it now.
        m_pLock.reset();
    });

    m_pFrame->OnInitialSetup();

    // Room for the four columns of the message list beside the folder tree, within the
    // screen.
    QSize size(1000, 680);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    m_pFrame->resize(size);
    m_pFrame->show();

    // The program always opens on the address book.
    m_pFrame->OnViewContacts();
    m_pFrame->OfferRecovery();
    return true;
}

bool CQuillboxApp::lockFolderDb()
{
    // Two programs on one database would each write their own folders over the other's
    // at close: the second is turned away before it reads anything. The lock is held until
    // the close has written the database.
    const QString path = m_pDoc->folderDbPath();
    const QString folder = QFileInfo(path).absolutePath();
    if (folder == QDir(platform::defaultDataFolder()).absolutePath())
        QDir().mkpath(folder);
    // A folder where no lock can be made is no reason not to start; the close says so if
    // the database cannot be written there either.
    if (lockBeside(path, m_pLock) != LockOutcome::HeldElsewhere)
        return true;
    const QString text = tr("Quillbox is already running with the folder database\n%1\n\nThis "
                            "start ends without touching it; use the Quillbox that is open.")
                             .arg(QDir::toNativeSeparators(path));
    printLine(stderr, QStringLiteral("quillbox: ") + text.simplified());
    platform::showMessage(nullptr, text, {}, platform::MessageButtons::Ok,
                          platform::MessageIcon::Warning);
    return false;
}

bool CQuillboxApp::moveFolderDbLock(const QString& from, const QString& to)
{
    // The lock already held, under another name, would look like another program's.
    if (sameFileName(from) == sameFileName(to))
        return true;
    std::unique_ptr<QLockFile> lock;
    if (lockBeside(to, lock) == LockOutcome::HeldElsewhere) {
        platform::showMessage(
            m_pFrame.get(),
            tr("Another Quillbox is running with the folder database\n%1\n\nThe "
               "folder is not changed: this Quillbox goes on with\n%2")
                .arg(QDir::toNativeSeparators(to), QDir::toNativeSeparators(from)),
            {}, platform::MessageButtons::Ok, platform::MessageIcon::Warning);
        return false;
    }
    // The old database is no longer this program's to write: its lock goes. Where no lock
    // can be made, none is held, as at start.
    m_pLock = std::move(lock);
    return true;
}

void CQuillboxApp::closeOnStopSignals()
{
    // Ctrl+C in the terminal, the end of the session or a plain kill close the main window
    // the way the user does, so that the local folders are written, rather than ending the
    // program on the spot.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalSockets) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalSockets[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        const ssize_t got = ::read(g_signalSockets[0], &byte, 1);
        static_cast<void>(got);
        // Also inside a start-up question ("already running", the recovery copy), whose
        // modal loop reads the descriptor too.
        if (m_bStarting)
            endStartUp(byte);
        else if (m_pFrame && m_pFrame->isVisible())
            m_pFrame->close();
    });
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(number, &action, nullptr);
}

void CQuillboxApp::endStartUp(int number)
{
    // Nothing has been changed yet, so nothing is written: the database, the settings and
    // the recovery copy stay as the last run left them, and the lock taken by this start
    // goes (another program's was never touched). The program then ends by the signal, as
    // it would have without a handler.
    m_pLock.reset();
    std::signal(number, SIG_DFL);
    std::raise(number);
    std::_Exit(128 + number);
}

int CQuillboxApp::run()
{
    // The handlers come first. Until start-up is over (its questions answered) there is
    // nothing to save and a stop signal ends the program at once; from then on it ends in
    // the close sequence that writes the database and lets go of the lock.
    closeOnStopSignals();
    m_bStarting = true;
    const bool started = InitInstance(QCoreApplication::arguments());
    if (g_stopSignal != 0)
        endStartUp(g_stopSignal);
    m_bStarting = false;
    if (!started)
        return m_nExitCode;
    return QApplication::exec();
}

void CQuillboxApp::OnAppAbout()
{
    CAboutDlg dlg(m_pFrame.get());
    dlg.exec();
}

QString CQuillboxApp::shippedHelpFile()
{
#ifdef QUILLBOX_SOURCE_HELP
    const QString builtFrom = QStringLiteral(QUILLBOX_SOURCE_HELP);
#else
    const QString builtFrom;
#endif
    // The help in the program's language where there is one (help/de/index.html), else the
    // English.
    const QString language = platform::currentLanguage();
    if (language != QLatin1String("en")) {
        const QString relative = language + QStringLiteral("/index.html");
        const QString translated = platform::shippedDataFile(
            QStringLiteral("help/") + relative,
            builtFrom.isEmpty() ? QString() : QFileInfo(builtFrom).dir().filePath(relative));
        if (!translated.isEmpty())
            return translated;
    }
    return platform::shippedDataFile(QStringLiteral("help/index.html"), builtFrom);
}

void CQuillboxApp::OnHelp()
{
    // A relative name is looked for in the current folder.
    QString file = m_settings.HelpFilename;
    if (!file.isEmpty() && QFileInfo(file).isFile()) {
        openHelpFile(file);
        return;
    }
    // The default name stands for the help that comes with the program.
    if (file == kDefaultHelpFile) {
        const QString shipped = shippedHelpFile();
        if (!shipped.isEmpty()) {
            openHelpFile(shipped);
            return;
        }
    }

    platform::FileDialogRequest request;
    request.mode = platform::FileDialogMode::Open;
    //: A file dialog's filter: the text before the first | is shown, the rest are patterns.
    request.filter = tr("Help File( *.chm )|*.chm;*.html;*.htm||");
    request.defaultExtension = QStringLiteral("QuillboxHelp");
    request.overwritePrompt = true;
    const QString chosen = platform::openFile(m_pFrame.get(), request);
    if (chosen.isEmpty())
        return;
    m_settings.HelpFilename = QFileInfo(chosen).absoluteFilePath();
    openHelpFile(m_settings.HelpFilename);
}
