#pragma once
// The whole program in the test's process, started the way `quillbox` starts it, with every
// file it keeps (settings, folder database) in a temporary home of the test's own.

#include "app/quillboxapp.h"

#include <QModelIndex>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CLeftView;
class CMainFrame;
class CRightDetailView;
class CRightListView;

namespace e2e {

// Before the QApplication exists: HOME and the XDG folders go to a new temporary folder,
// and the platform is the off-screen one unless another was chosen.
void useTemporaryHome();
// Forgets the settings and the folder database of earlier runs.
void wipeUserFiles();
// Where the folder database lives with the default settings.
QString defaultDatabase();

// main() for a test of the whole program.
#define QUILLBOX_E2E_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        e2e::useTemporaryHome();                                                                   \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

class ProgramRun
{
public:
    ProgramRun();
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // InitInstance with these arguments after the program's name.
    bool start(const QStringList& arguments = {});

    CQuillboxApp& app() { return *m_app; }
    CMainFrame& frame() const;
    MessageStore& store() { return m_app->store(); }
    CLeftView& tree() const;
    CRightListView& list() const;
    CRightDetailView& detail() const;

    // The folder row under a root whose text is name(count), or name alone.
    QModelIndex pagerFolder(const QString& name) const;
    QModelIndex localFolder(const QString& name) const;
    QModelIndex localRoot() const;
    QStringList childTexts(const QModelIndex& parent) const;

    void selectFolder(const QModelIndex& folder);
    // Selects these rows of the message list (the first becomes the current row).
    void selectRows(const std::vector<int>& rows);
    // The list's texts of a column, top to bottom.
    QStringList column(int column) const;

    // Closes the main window the way the user does; true when it closed.
    bool close();

private:
    QModelIndex childNamed(const QModelIndex& parent, const QString& name) const;

    std::unique_ptr<CQuillboxApp> m_app;
};

} // namespace e2e
