// The address book's dialogs: Contact, address entry, address picker, Group, the review of
// a synchronize's conflicts, and Contacts History.

#include "contacts/widgets/addressdlgs.h"
#include "contacts/widgets/byteedit.h"
#include "contacts/widgets/conflictreviewdlg.h"
#include "contacts/widgets/contactdlg.h"
#include "contacts/widgets/contactshistorydlg.h"
#include "contacts/widgets/groupdlg.h"
#include "platform/messageboxservice.h"
#include "tests/contacts/bookfill.h"
#include "tests/platform/widgettest.h"
#include "tests/support/scripteddialogs.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <functional>

namespace {

constexpr int kAddress = 11;
constexpr int kNote = 12;

QString latin1(const char* text)
{
    return QString::fromLatin1(text);
}

QStringList list(const char* texts)
{
    return latin1(texts).split(u'|');
}

void showActive(QWidget& dlg)
{
    dlg.show();
    dlg.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
}

MultiLineByteEdit* multi(CContactDlg& dlg, int i)
{
    return qobject_cast<MultiLineByteEdit*>(dlg.fieldEdit(i));
}

void paste(QWidget* widget, const QString& text)
{
    QApplication::clipboard()->setText(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->paste();
    else
        qobject_cast<QPlainTextEdit*>(widget)->paste();
}

// Runs call; whether it opened a modal dialog (which is closed).
bool opensModal(const std::function<void()>& call)
{
    bool seen = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&seen] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen = true;
            modal->close();
        }
    });
    timer.start(10);
    call();
    return seen;
}

// Labels, buttons and fields have at least the room they ask for. Scrolling views ask for
// room for scroll bars they do not always need: the tests look at those themselves.
QStringList clipped(QWidget& dlg)
{
    QStringList out;
    for (QWidget* w : dlg.findChildren<QWidget*>()) {
        bool scrolling = false;
        for (QWidget* p = w; p != &dlg; p = p->parentWidget())
            scrolling = scrolling || qobject_cast<QAbstractScrollArea*>(p);
        const QSize need = qobject_cast<QLabel*>(w) ? w->sizeHint() : w->minimumSizeHint();
        if (w->isVisible() && !scrolling && need.isValid() &&
            (w->width() < need.width() || w->height() < need.height()))
            out << latin1(w->metaObject()->className()) + u' ' + w->objectName();
    }
    return out;
}

void openGroup(CGroupDlg& dlg, AddressBook& book, qint32 editId = -1)
{
    dlg.m_pBook = &book;
    dlg.m_bEdit = editId >= 0 ? 1 : 0;
    dlg.m_nGroupId = editId;
    showActive(dlg);
}

// New Email or New Wireless with an address typed.
void typeMember(CGroupDlg& dlg, qint32 kind, const std::string& address, bool confirm = true)
{
    whenModal<CAddressEntryDlg>([&](CAddressEntryDlg* entry) {
        QTest::keyClicks(entry->addressEdit(), QString::fromLatin1(address));
        confirm ? entry->okButton()->click() : entry->reject();
    });
    kind == MEMBER_EMAIL ? dlg.OnNewEmail() : dlg.OnNewWireless();
}

std::vector<quint8> storedOf(const GroupRecord& group)
{
    return {group.abyBlock.begin(), group.abyBlock.begin() + group.nBlockLength};
}

// E-mail members of 64 bytes: 69 bytes each in the block.
std::vector<GroupMember> longEmails(int count)
{
    std::vector<GroupMember> members;
    for (int i = 0; i < count; ++i)
        members.push_back({MEMBER_EMAIL, std::string(52, char('a' + i)) + "@example.com"});
    return members;
}

} // namespace

class TestContactsDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Enter (any modifier) walks the fields, multi-line ones included, to "Add".
    void contactEnterWalksTheFields()
    {
        CContactDlg dlg;
        showActive(dlg);
        for (int i = 1; i <= CONTACT_FIELD_COUNT; ++i) {
            QTest::keyClick(dlg.focusWidget(), i % 2 ? Qt::Key_Return : Qt::Key_Enter,
                            i == 2 ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(dlg.focusWidget(),
                     i < CONTACT_FIELD_COUNT ? dlg.fieldEdit(i) : dlg.addButton());
        }
        QCOMPARE(multi(dlg, kAddress)->bytes(), std::string()); // no line break went in
        // On a button Enter presses it: "Add" with nothing typed does nothing, "Cancel" closes.
        QTest::keyClick(dlg.addButton(), Qt::Key_Return);
        QVERIFY(dlg.isVisible());
        dlg.cancelButton()->setFocus();
        QTest::keyClick(dlg.cancelButton(), Qt::Key_Enter);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }

    // Limits count bytes; a character without a byte is '?' at once; CR LF is two bytes.
    void contactLimitsAreBytes_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("number") << 6 << true << latin1("555-0100 ext 214567")
                                << QByteArray("555-0100 ext 21456");
        QTest::newRow("pasted") << 1 << false << QString::fromUtf16(u"\u00eb\U0001F600x")
                                << QByteArray("\xeb?x");
        QTest::newRow("note") << kNote << false
                              << QString::fromUtf16(
                                     u"12345678901234567890\r\nab\u674ecd\U0001F600ef0123")
                              << QByteArray("12345678901234567890\r\nab?cd?ef01");
        QTest::newRow("address") << kAddress << true << QString(90, u'a') << QByteArray(80, 'a');
    }
    void contactLimitsAreBytes()
    {
        QFETCH(int, field);
        QFETCH(bool, typed);
        QFETCH(QString, input);
        QFETCH(QByteArray, kept);
        CContactDlg dlg;
        showActive(dlg);
        QWidget* edit = dlg.fieldEdit(field);
        typed ? QTest::keyClicks(edit, input) : paste(edit, input);
        dlg.addButton()->click();
        ContactRecord out;
        dlg.getFields(out);
        QCOMPARE(QByteArray::fromStdString(out.*kContactFields[static_cast<size_t>(field)].member),
                 kept);
    }

    void contactAddKeepsBytes()
    {
        platform::ScriptedMessageBoxes boxes;
        ContactRecord given;
        given.strFirstName = "Dana";
        given.strAddress = "48 Quarry Rd\r\nMillbrook\n"; // line ends as they came
        given.strNote = "caf\xe9\xa0";                    // every byte, a no-break space too
        {
            // Untouched fields give their bytes back unchanged; a changed one stores CR LF.
            CContactDlg dlg;
            dlg.setFields(given);
            showActive(dlg);
            multi(dlg, kAddress)->moveCursor(QTextCursor::End);
            paste(multi(dlg, kAddress), latin1("\nApt 2"));
            dlg.addButton()->click();
            QCOMPARE(dlg.m_strNote, given.strNote);
            QCOMPARE(dlg.m_strAddress, std::string("48 Quarry Rd\r\nMillbrook\r\n\r\nApt 2"));
        }
        {
            // A longer text from the caller is shown whole, and Add names the limit.
            CContactDlg dlg;
            dlg.m_strWorkNumber = "555-0100 extension 2";
            showActive(dlg);
            QCOMPARE(qobject_cast<QLineEdit*>(dlg.fieldEdit(6))->text(),
                     latin1("555-0100 extension 2"));
            dlg.addButton()->click();
            QCOMPARE(boxes.texts(), list("Please enter no more than 18 characters."));
            QVERIFY(dlg.isVisible());
            QCOMPARE(dlg.focusWidget(), dlg.fieldEdit(6));
        }
    }

    void entryAndPicker()
    {
        platform::ScriptedMessageBoxes boxes;
        CAddressEntryDlg entry;
        showActive(entry);
        QTest::keyClick(entry.addressEdit(), Qt::Key_Return); // Enter is OK
        QCOMPARE(boxes.texts(), list("Input Address"));
        QVERIFY(entry.isVisible());
        QTest::keyClicks(entry.addressEdit(), QString(70, u'7'));
        QTest::keyClick(entry.addressEdit(), Qt::Key_Return);
        QCOMPARE(entry.m_strAddress, std::string(64, '7'));

        AddressBook book;
        const qint32 family = addGroup(book, "Family")->nGroupId;
        QVERIFY(addContact(book, {"Dana", "Whitfield", "5550142", "dana@example.com"}));
        QVERIFY(addContact(book, {"Grandma", "", "5550112"}, family));
        QVERIFY(addContact(book,
                           {"Marcus", "O", "", "m@example.net", "mo@x.org", "third@example.com"}));
        CAddressPickerDlg dlg(&book);
        showActive(dlg);
        QTreeWidget* rows = dlg.list();
        QStringList texts;
        for (int row = 0; row < rows->topLevelItemCount(); ++row)
            for (int column = 0; column < rows->columnCount(); ++column)
                texts << rows->topLevelItem(row)->text(column);
        // Newest first, every folder's contacts, never the third e-mail address.
        QCOMPARE(texts, list("Marcus O|m@example.net|mo@x.org||Grandma |||5550112|"
                             "Dana Whitfield|dana@example.com||5550142"));

        // Nothing of the chosen kind: Select does nothing visible.
        rows->setCurrentItem(rows->topLevelItem(2));
        dlg.kindButton(1)->click();
        dlg.selectButton()->click();
        QVERIFY(dlg.isVisible());
        dlg.kindButton(2)->click();
        QTest::keyClick(rows, Qt::Key_Return); // Enter is Select
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.m_strAddress + '|' + dlg.m_strContactName,
                 std::string("5550142|Dana Whitfield"));
        QCOMPARE(dlg.m_nKind, MEMBER_WIRELESS);
    }

    void groupMembersKeepTheBlockInStep()
    {
        platform::ScriptedMessageBoxes boxes;
        AddressBook book;
        QVERIFY(addContact(book, {"Dana", "Whitfield", "5550142", "dana@example.com"}));
        CGroupDlg dlg;
        openGroup(dlg, book);
        // The kind is the command's, whatever the address looks like.
        typeMember(dlg, MEMBER_EMAIL, "sofia.c@example.com");
        typeMember(dlg, MEMBER_WIRELESS, "12@ab");
        typeMember(dlg, MEMBER_EMAIL, "not.kept@example.com", false);
        whenModal<CAddressPickerDlg>([](CAddressPickerDlg* picker) {
            picker->list()->setCurrentItem(picker->list()->topLevelItem(0));
            picker->kindButton(CAddressPickerDlg::ChoiceWireless)->click();
            picker->selectButton()->click();
        });
        dlg.OnSelectAddress();
        const std::vector<GroupMember> typed{{MEMBER_EMAIL, "sofia.c@example.com"},
                                             {MEMBER_WIRELESS, "12@ab"},
                                             {MEMBER_WIRELESS, "5550142"}};
        QCOMPARE(dlg.rows(), typed);
        GroupBlock expected;
        QVERIFY(expected.rebuild(typed).ok);
        QCOMPARE(dlg.block().stored(), expected.stored());

        dlg.list()->setCurrentItem(dlg.list()->topLevelItem(1));
        dlg.OnDelete();
        QVERIFY(expected.rebuild(std::vector<GroupMember>{typed[0], typed[2]}).ok);

        QTest::keyClicks(dlg.nameEdit(), latin1("Soccer Parents"));
        QTest::keyClick(dlg.nameEdit(), Qt::Key_Return); // Enter is OK
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        const GroupRecord& group = dlg.composed();
        QCOMPARE(group.strName, std::string("Soccer Parents"));
        QCOMPARE(group.nMemberCount, 2);
        QCOMPARE(group.aMembers[1], (GroupMember{MEMBER_WIRELESS, "5550142"}));
        QCOMPARE(storedOf(group), expected.stored());
        QVERIFY(boxes.requests.isEmpty());

        // No name and no members: OK does nothing and says nothing.
        openGroup(dlg, book);
        dlg.OnOK();
        QVERIFY(dlg.isVisible());
        dlg.reject();
    }

    // A member that would overflow the block, a 101st member, and any member while the
    // block no longer encodes the rows are refused, and a refused rebuild stores nothing.
    void groupRefusals()
    {
        platform::ScriptedMessageBoxes boxes;
        AddressBook book;
        CGroupDlg dlg;
        openGroup(dlg, book);
        for (const GroupMember& member : longEmails(6))
            typeMember(dlg, MEMBER_EMAIL, member.strEntry);
        QCOMPARE(dlg.rowCount(), 5); // 346 bytes; a sixth would pass 400
        dlg.reject();
        const std::vector<GroupMember> hundred(100, GroupMember{MEMBER_WIRELESS, "7"});
        openGroup(dlg, book,
                  addGroup(book, "Night Shift", hundred, {0x15, 0x15, 0x01, 0x00})->nGroupId);
        QVERIFY(!opensModal([&] { dlg.OnSelectAddress(); }));
        QCOMPARE(dlg.rowCount(), 100);
        dlg.reject();
        QCOMPARE(boxes.texts(), list(kAddressOverflowAdd) + list(kMaxMemberCount));

        // Seven long members (483 bytes encoded) with the short block a pager may hold.
        boxes.requests.clear();
        GroupBlock first;
        QVERIFY(first.append(MEMBER_EMAIL, longEmails(1)[0].strEntry).ok);
        const qint32 id = addGroup(book, "Book Club", longEmails(7), first.stored())->nGroupId;
        const GroupRecord before = *book.m_GroupList.back();
        openGroup(dlg, book, id);
        QCOMPARE(dlg.block().stored(), first.stored());
        dlg.list()->setCurrentItem(dlg.list()->topLevelItem(0));
        dlg.OnDelete();
        QCOMPARE(dlg.rowCount(), 6); // the row stays removed
        QVERIFY(!dlg.blockInStep());
        // No member can come, OK stores nothing, and neither does StoreTo.
        QVERIFY(!opensModal([&] { dlg.OnNewWireless(); }));
        dlg.OnOK();
        QVERIFY(dlg.isVisible());
        GroupRecord untouched = before;
        QVERIFY(!dlg.StoreTo(untouched));
        QCOMPARE(untouched, before);
        QCOMPARE(boxes.texts(), QStringList(3, latin1(kAddressOverflowRebuild)));

        // One more Delete and the rows fit: OK stores the rebuilt block.
        dlg.list()->setCurrentItem(dlg.list()->topLevelItem(5));
        dlg.OnDelete();
        dlg.OnOK();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        GroupBlock expected;
        QVERIFY(expected.rebuild(dlg.rows()).ok);
        const GroupRecord& group = dlg.composed();
        QCOMPARE(group.nMemberCount, 5);
        QCOMPARE(storedOf(group), expected.stored());
        QCOMPARE(group.aMembers[5], GroupMember{}); // nothing stale behind the count
    }

    void synchronizeQuestions()
    {
        // Ann's first address changed on both sides; Bob deleted in Quillbox, changed on the
        // pager. The values stand side by side; OK hands the choices back, applying none.
        const std::vector<ContactRecord> base{contactOf({"Ann", "", "", "ann@x"}),
                                              contactOf({"Bob", "", "555"})};
        std::vector<ContactRecord> pager = base;
        pager[0].strEmail1 = "pager@x";
        pager[1].strNote = "changed";
        const std::vector<ContactRecord> desktop{contactOf({"Ann", "", "", "desk@x"})};
        const std::vector<std::string> uids{"0", "1"};
        const contactmerge::Result result = contactmerge::merge(
            {base, uids, {}}, {desktop, {uids.data(), 1}, {}}, {pager, uids, {}});
        CConflictReviewDlg dlg(result);
        showActive(dlg);
        QTableWidget* table = dlg.table();
        QCOMPARE(table->rowCount(), 2);
        QStringList rows;
        for (int r = 0; r < 2; ++r) {
            QStringList cells;
            for (int c = 1; c < table->columnCount(); ++c)
                cells << table->item(r, c)->text();
            rows << cells.join(u'|');
        }
        QCOMPARE(rows, QStringList({latin1("Ann|Email Address #1|ann@x|desk@x|pager@x"),
                                    latin1("Bob|Contact||(deleted)|(changed)")}));
        dlg.setAll(contactmerge::Side::Remote);
        qobject_cast<QComboBox*>(table->cellWidget(0, 0))->setCurrentIndex(0);
        dlg.okButton()->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.choices(),
                 (std::vector{contactmerge::Side::Local, contactmerge::Side::Remote}));
        QCOMPARE(result.conflicts()[1].choice, contactmerge::Side::Local);

        platform::ScriptedMessageBoxes boxes;
        boxes.answers = {platform::MessageAnswer::No, platform::MessageAnswer::Yes};
        QVERIFY(!confirmMassDeletion(nullptr, {true, 30, 40, 2, 40}));
        QVERIFY(confirmMassDeletion(nullptr, {true, 0, 12, 1, 1}));
        QCOMPARE(boxes.texts(),
                 QStringList({latin1("Synchronize Contacts would delete 30 of the 40 contacts in "
                                     "Quillbox and 2 of the 40 contacts on the pager.\n"
                                     "Synchronize all the same?"),
                              latin1("Synchronize Contacts would delete the one contact on the "
                                     "pager.\nSynchronize all the same?")}));
    }

    // Newest first, the newest chosen, what a restore would change; Restore hands it back.
    void historyOffersTheSnapshots()
    {
        QTemporaryDir dir;
        contacthistory::History history(dir.path());
        recoverycopy::Contents older, newer;
        newer.contacts.emplace_back().strFirstName = "Gus";
        QString error;
        const QDateTime t = QDateTime::currentDateTimeUtc();
        history.keep(contacthistory::Event::Download, older, &error, t.addSecs(-60));
        const QString id = history.keep(contacthistory::Event::Close, newer, &error, t);

        CContactsHistoryDlg dlg(history, older);
        QCOMPARE(dlg.list()->topLevelItemCount(), 2);
        QCOMPARE(dlg.list()->topLevelItem(0)->text(1), QStringLiteral("Close of Quillbox"));
        QCOMPARE(dlg.changes()->toPlainText(), QStringLiteral("Adds 1: Gus"));
        dlg.list()->setCurrentItem(dlg.list()->topLevelItem(1));
        QCOMPARE(dlg.changes()->toPlainText(),
                 QStringLiteral("The address book is now as this snapshot holds it."));
        dlg.list()->setCurrentItem(dlg.list()->topLevelItem(0));
        dlg.restoreButton()->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.selectedId(), id);
        QCOMPARE(dlg.selectedBook().contacts.size(), size_t(1));
    }

    void layoutAtEveryFontSize()
    {
        const ContactRecord dana =
            contactOf({"Dana", "", "", "dana.whitfield@example.com", "", "", "", "", "", "",
                       "Harbor Lane Logistics", "48 Quarry Rd\r\nMillbrook"});
        AddressBook book;
        QVERIFY(addContact(book, {"Sofia", "Castellano", "5550196", "sofia.c@example.com"}));
        const qint32 id =
            addGroup(book, "Soccer Parents",
                     {{MEMBER_WIRELESS, "5550196"}, {MEMBER_EMAIL, "sofia.c@example.com"}})
                ->nGroupId;

        const QFont original = QApplication::font();
        for (const int points : {7, 20}) {
            QFont font = original;
            font.setPointSize(points);
            QApplication::setFont(font);
            CContactDlg contact;
            contact.setFields(dana);
            CGroupDlg group;
            CAddressEntryDlg entry;
            CAddressPickerDlg picker(&book);
            for (QDialog* dlg :
                 std::initializer_list<QDialog*>{&contact, &group, &entry, &picker}) {
                dlg == &group ? openGroup(group, book, id) : showActive(*dlg);
                QVERIFY2(clipped(*dlg).isEmpty(), qPrintable(clipped(*dlg).join(u',')));
            }
            const int lineSpacing = contact.fontMetrics().lineSpacing();
            QVERIFY(multi(contact, kAddress)->viewport()->height() >= 3 * lineSpacing);
            QVERIFY(multi(contact, kNote)->viewport()->height() >= 2 * lineSpacing);
        }
        QApplication::setFont(original);
    }
};

QUILLBOX_WIDGET_TEST_MAIN(TestContactsDialogs)
#include "tst_contactsdialogs.moc"
