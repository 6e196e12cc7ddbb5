// What the user waits for on Import/Open and Export/Save with a full address memory, and
// what a damaged file with one huge line costs.
#include "bench/contacts/fullbook.h"
#include "contacts/core/contactstext.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

QByteArray fullFile()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    contactstext::write(buffer, fullBook());
    return buffer.data();
}

// The import's own work: read every contact, make its record, find its row.
void import(QIODevice& device)
{
    contactstext::Reader reader(device);
    contactstext::Fields fields;
    ContactList contacts;
    std::vector<ContactRow> rows;
    while (reader.next(fields)) {
        ContactRecord& record = contacts.emplace_back();
        for (size_t i = 0; i < fields.size(); ++i)
            record.*kContactFields[i].member = std::move(fields[i]);
        const int pos = FindInsertPos(rows, record.strFirstName, record.strLastName);
        rows.insert(rows.begin() + pos, ContactRow{record.strFirstName, record.strLastName});
    }
    if (rows.size() != size_t(MAX_CONTACTS))
        abort();
    benchmark::DoNotOptimize(contacts);
}

void BM_ImportFromMemory(benchmark::State& state)
{
    const QByteArray file = fullFile();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(file);
        buffer.open(QIODevice::ReadOnly);
        import(buffer);
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}

void BM_ImportFromFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contacts.txt"));
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(fullFile());
    out.close();
    for (auto _ : state) {
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        import(in);
    }
    state.SetBytesProcessed(state.iterations() * out.size());
}

void BM_ExportToMemory(benchmark::State& state)
{
    const ContactList contacts = fullBook();
    qint64 size = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!contactstext::write(buffer, contacts))
            abort();
        size = buffer.size();
    }
    state.SetBytesProcessed(state.iterations() * size);
}

void BM_ExportToFile(benchmark::State& state)
{
    const ContactList contacts = fullBook();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contacts.txt"));
    qint64 size = 0;
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            !contactstext::write(file, contacts))
            abort();
        file.close();
        size = file.size();
    }
    state.SetBytesProcessed(state.iterations() * size);
}

// One line of `size` bytes with no TAB nor line end, made up as it is read.
class HugeLine : public QIODevice
{
public:
    explicit HugeLine(qint64 size) : m_left(size) { open(ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 n = std::min(maxSize, m_left);
        memset(data, 'x', size_t(n));
        m_left -= n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 m_left;
};

void BM_ReadOneGigabyteLine(benchmark::State& state)
{
    constexpr qint64 kSize = 1LL << 30;
    for (auto _ : state) {
        HugeLine device(kSize);
        contactstext::Reader reader(device);
        contactstext::Fields fields;
        if (!reader.next(fields) || fields[0].size() != 16 || reader.next(fields))
            abort();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = double(usage.ru_maxrss) / 1024.0;
    state.SetBytesProcessed(state.iterations() * kSize);
}

} // namespace

BENCHMARK(BM_ImportFromMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImportFromFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExportToMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExportToFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadOneGigabyteLine)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
