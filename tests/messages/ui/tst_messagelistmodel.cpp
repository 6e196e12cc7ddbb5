#include "messages/messagelistmodel.h"
#include "messages/messagerecord.h"

#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QTest>

#include <memory>

class TestMessageListModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rowsAndDrags()
    {
        MessageListModel model(0xfeedULL);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        MessageRecord message;
        message.nKind = KIND_MESSAGE;
        std::vector<MessageRecord> records(3, message);
        records[0].nMessageId = 5;
        records[0].strAddress = "555";
        records[1].nMessageId = 9;
        records[1].strTitle = "caf\xe9";
        records[2].nMessageId = 2;
        records[2].strDate = "2024-03-09 07:05";
        std::vector<MessageRecord*> rows;
        for (MessageRecord& r : records)
            rows.push_back(&r);
        MessageRecord folder;
        folder.nFolderId = 21;
        folder.nParentId = PARENT_LOCAL;
        model.setMessages(folder, rows);

        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << model.headerData(c, Qt::Horizontal).toString();
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 4; ++c)
                cells << model.index(r, c).data().toString();
        }
        // "No" is the row's place; texts are the record's bytes, one character each.
        QCOMPARE(
            cells.join(QLatin1Char('|')),
            QString::fromUtf8("No|Address|Title|Date|0|555|||1||caf\u00e9||2|||2024-03-09 07:05"));
        QCOMPARE(model.index(1, 0).data(MessageListModel::MessageIdRole).toInt(), 9);
        QCOMPARE(model.messageId(3), 0);

        // The drag: rows in row order, each once, whatever the columns and order given.
        const std::unique_ptr<QMimeData> mime(model.mimeData(
            {model.index(2, 3), model.index(0, 1), model.index(2, 0), model.index(0, 0)}));
        const QByteArray bytes = mime->data(MessageDrag::mimeType());
        const std::optional<MessageDrag> drag = MessageDrag::decode(bytes);
        QVERIFY(drag);
        QCOMPARE(drag->messageIds, (std::vector<qint32>{5, 2}));
        QCOMPARE(drag->sourceFolderId, 21);
        QCOMPARE(drag->storeTag, 0xfeedULL);
        QCOMPARE(drag->processId, QCoreApplication::applicationPid());
        QCOMPARE(drag->encode(), bytes);
        // Damaged payloads decode to nothing: short, cut, a tail, a count beyond the bytes.
        QByteArray huge = bytes;
        huge[24] = '\x7f';
        for (const QByteArray& bad :
             {QByteArray(), bytes.left(27), bytes.chopped(1), bytes + QByteArray(1, '\0'), huge})
            QVERIFY(!MessageDrag::decode(bad));

        // Refilling, emptying and filling with nothing all pass the tester.
        rows.pop_back();
        model.setMessages(folder, rows);
        QCOMPARE(model.rowCount(), 2);
        model.clear();
        QVERIFY(!model.hasFolder() && !model.mimeData({}));
        model.setMessages(folder, {});
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestMessageListModel)
#include "tst_messagelistmodel.moc"
