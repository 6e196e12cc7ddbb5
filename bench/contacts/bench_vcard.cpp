// vCard import and export: reading a large exported book (10,000 cards, of which 250 would
// fit the address memory) and writing a full one (250 contacts, 20 groups).
#include "bench/contacts/fullbook.h"
#include "contacts/core/vcard.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

namespace {

constexpr int kCards = 10000;

// 10,000 cards as our own export writes them: the full book forty times over.
QByteArray version4Book()
{
    const ContactList contacts = fullBook();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    vcard::Writer writer(buffer);
    for (int i = 0; i < kCards / MAX_CONTACTS; ++i) {
        for (const ContactRecord& contact : contacts)
            writer.contact(contact);
    }
    if (!writer.finish())
        abort();
    return buffer.data();
}

// 10,000 cards as an older phone exports them: 2.1, bare parameters, quoted-printable text
// with soft line breaks, non-ASCII names.
QByteArray version21Book()
{
    QByteArray out;
    for (int i = 0; i < kCards; ++i) {
        out +=
            "BEGIN:VCARD\r\nVERSION:2.1\r\n"
            "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller-" +
            QByteArray::number(i) +
            ";J=C3=B6rg\r\n"
            "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=B6rg M=C3=BCller\r\n"
            "TEL;CELL;PREF:+49 170 555 0101\r\nTEL;WORK;VOICE:+49 30 555 0102\r\n"
            "TEL;HOME:+49 30 555 0103\r\nTEL;PAGER:555 0104\r\n"
            "EMAIL;INTERNET;PREF:joerg.mueller@example.org\r\nEMAIL;INTERNET:jm@example.net\r\n"
            "ORG:Example Widgets GmbH;Research\r\n"
            "ADR;WORK;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;Hauptstra=C3=9Fe "
            "1;Berlin;;10115;=\r\n"
            "Germany\r\n"
            "NOTE;ENCODING=QUOTED-PRINTABLE:Met at the trade fair, asked for the price list =\r\n"
            "and a demonstration.=0D=0ACall back in spring.\r\n"
            "END:VCARD\r\n";
    }
    return out;
}

void read(benchmark::State& state, const QByteArray& file)
{
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(file);
        buffer.open(QIODevice::ReadOnly);
        const vcard::Book book = vcard::readBook(buffer);
        if (book.contacts.size() != size_t(kCards) || book.skipped != 0)
            abort();
        benchmark::DoNotOptimize(book);
    }
    state.SetBytesProcessed(state.iterations() * file.size());
    state.counters["file_MB"] = double(file.size()) / 1e6;
}

void BM_Read10000Version4(benchmark::State& state)
{
    read(state, version4Book());
}

void BM_Read10000Version21(benchmark::State& state)
{
    read(state, version21Book());
}

void BM_Write250(benchmark::State& state)
{
    const ContactList contacts = fullBook();
    GroupRecord group;
    group.strName = "A group of twenty members";
    group.nMemberCount = 20;
    for (int i = 0; i < 20; ++i)
        group.aMembers[size_t(i)] = {i % 2, "member" + std::to_string(i) + "@example.org"};
    qint64 size = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        vcard::Writer writer(buffer);
        for (const ContactRecord& contact : contacts)
            writer.contact(contact);
        for (int i = 0; i < MAX_GROUPS; ++i)
            writer.group(group);
        if (!writer.finish())
            abort();
        size = buffer.size();
    }
    state.SetBytesProcessed(state.iterations() * size);
}

} // namespace

BENCHMARK(BM_Read10000Version4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read10000Version21)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write250)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
