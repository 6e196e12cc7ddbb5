#include "messages/core/archive.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string.h> // memmem
#include <unordered_set>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace archive {
namespace {

constexpr std::array<unsigned char, 256> kFold = [] {
    std::array<unsigned char, 256> t{};
    for (size_t i = 0; i < t.size(); ++i)
        t[i] = foldByte(static_cast<unsigned char>(i));
    return t;
}();

quint64 pairKey(qint32 parentId, qint32 folderId)
{
    return (quint64(quint32(parentId)) << 32) | quint32(folderId);
}

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\0';
}

char* appendFolded(char* out, std::string_view s)
{
    for (const char c : s)
        *out++ = static_cast<char>(kFold[static_cast<unsigned char>(c)]);
    *out++ = '\0';
    return out;
}

// The first place of word in [begin, end). Sixteen places at a time are tested for the word's
// first and last byte together, and only where both agree are the bytes between compared:
// in text, that pair is rare, so the scan moves at the speed of memory.
const char* findIn(const char* begin, const char* end, const std::string& word)
{
    const size_t m = word.size();
    const size_t n = static_cast<size_t>(end - begin);
    if (m == 0)
        return begin;
    if (m > n)
        return nullptr;
    if (m == 1)
        return static_cast<const char*>(std::memchr(begin, word[0], n));
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(word[0]);
    const __m128i last = _mm_set1_epi8(word[m - 1]);
    size_t i = 0;
    for (; i + m - 1 + 16 <= n; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin + i + m - 1));
        auto mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
        while (mask != 0) {
            const size_t at = i + static_cast<size_t>(__builtin_ctz(mask));
            if (std::memcmp(begin + at + 1, word.data() + 1, m - 2) == 0)
                return begin + at;
            mask &= mask - 1;
        }
    }
    begin += i;
#endif
    return static_cast<const char*>(
        memmem(begin, static_cast<size_t>(end - begin), word.data(), m));
}

bool containsFolded(std::string_view field, std::string_view word)
{
    const auto eq = [](char a, char b) {
        return kFold[static_cast<unsigned char>(a)] == static_cast<unsigned char>(b);
    };
    return std::search(field.begin(), field.end(), word.begin(), word.end(), eq) != field.end();
}

} // namespace

std::string fold(std::string_view bytes)
{
    std::string out(bytes);
    for (char& c : out)
        c = static_cast<char>(kFold[static_cast<unsigned char>(c)]);
    return out;
}

std::vector<std::string> searchWords(std::string_view typed)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < typed.size()) {
        while (i < typed.size() && isSeparator(typed[i]))
            ++i;
        const size_t start = i;
        while (i < typed.size() && !isSeparator(typed[i]))
            ++i;
        if (i > start)
            words.push_back(fold(typed.substr(start, i - start)));
    }
    return words;
}

// --- folder paths ----------------------------------------------------------------------

FolderPaths::FolderPaths(const RecordList& records)
{
    std::vector<const MessageRecord*> folders;
    std::unordered_map<qint32, const MessageRecord*> firstById;
    for (const MessageRecord& r : records) {
        if (r.nKind != KIND_FOLDER)
            continue;
        folders.push_back(&r);
        firstById.emplace(r.nFolderId, &r);
    }
    // Each folder's path is its parent's plus its name. A damaged file can make folders
    // name each other as parents: a chain stops where it meets a folder already on it.
    for (const MessageRecord* folder : folders) {
        std::vector<const MessageRecord*> chain;
        std::unordered_set<const MessageRecord*> onChain;
        const MessageRecord* f = folder;
        std::string prefix;
        while (f && !m_paths.contains(pairKey(f->nParentId, f->nFolderId))) {
            if (!onChain.insert(f).second)
                break;
            chain.push_back(f);
            if (f->nParentId == PARENT_PAGER || f->nParentId == PARENT_LOCAL) {
                prefix = f->nParentId == PARENT_PAGER ? kPagerRootText : kLocalRootText;
                f = nullptr;
                break;
            }
            const auto parent = firstById.find(f->nParentId);
            f = parent == firstById.end() ? nullptr : parent->second;
        }
        if (f && !onChain.contains(f))
            prefix = m_paths.at(pairKey(f->nParentId, f->nFolderId));
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            if (!prefix.empty())
                prefix += '/';
            prefix += (*it)->strName;
            m_paths.emplace(pairKey((*it)->nParentId, (*it)->nFolderId), prefix);
        }
    }
}

const std::string& FolderPaths::path(qint32 parentId, qint32 folderId) const
{
    static const std::string kNone;
    const auto it = m_paths.find(pairKey(parentId, folderId));
    return it == m_paths.end() ? kNone : it->second;
}

// --- search ------------------------------------------------------------------------------

void MessageSearch::build(RecordList& records)
{
    clear();
    size_t size = 0;
    size_t count = 0;
    for (const MessageRecord& r : records) {
        if (r.nKind != KIND_MESSAGE)
            continue;
        size += r.strAddress.size() + r.strHeader.size() + r.strText.size() + 3;
        ++count;
    }
    m_text.resize(size);
    m_starts.reserve(count + 1);
    m_messages.reserve(count);
    char* out = m_text.data();
    for (MessageRecord& r : records) {
        if (r.nKind != KIND_MESSAGE)
            continue;
        m_starts.push_back(static_cast<size_t>(out - m_text.data()));
        m_messages.push_back(&r);
        out = appendFolded(out, r.strAddress);
        out = appendFolded(out, r.strHeader);
        out = appendFolded(out, r.strText);
    }
    m_starts.push_back(size);
    m_built = true;
}

void MessageSearch::clear()
{
    m_text = std::string();
    m_starts = {};
    m_messages = {};
    m_built = false;
}

std::vector<MessageRecord*> MessageSearch::find(const std::vector<std::string>& foldedWords) const
{
    std::vector<MessageRecord*> result;
    if (foldedWords.empty() || m_messages.empty())
        return result;
    // One pass for the longest word (the fewest places to look at); the other words are
    // looked for only in the messages it finds.
    const auto scan = std::max_element(
        foldedWords.begin(), foldedWords.end(),
        [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    const char* const base = m_text.data();
    const char* const end = base + m_text.size();
    const char* at = base;
    while (at < end) {
        const char* hit = findIn(at, end, *scan);
        if (!hit)
            break;
        const auto next =
            std::upper_bound(m_starts.begin(), m_starts.end(), static_cast<size_t>(hit - base));
        const size_t index = static_cast<size_t>(next - m_starts.begin()) - 1;
        const char* from = base + m_starts[index];
        const char* to = base + *next;
        const bool all =
            std::all_of(foldedWords.begin(), foldedWords.end(),
                        [&](const std::string& w) { return &w == &*scan || findIn(from, to, w); });
        if (all)
            result.push_back(m_messages[index]);
        at = to;
    }
    return result;
}

bool matches(const MessageRecord& m, const std::vector<std::string>& foldedWords)
{
    if (m.nKind != KIND_MESSAGE || foldedWords.empty())
        return false;
    return std::all_of(foldedWords.begin(), foldedWords.end(), [&](const std::string& w) {
        return containsFolded(m.strAddress, w) || containsFolded(m.strHeader, w) ||
               containsFolded(m.strText, w);
    });
}

// --- export choice ---------------------------------------------------------------------

std::vector<const MessageRecord*> folderMessages(const RecordList& records, qint32 parentId,
                                                 qint32 folderId, bool withSubfolders)
{
    std::unordered_set<quint64> wanted{pairKey(parentId, folderId)};
    if (withSubfolders) {
        // Breadth first over the folder records; a folder number is visited once, so
        // folders that name each other as parents (a damaged file) end the walk.
        std::unordered_multimap<qint32, qint32> children;
        for (const MessageRecord& r : records) {
            if (r.nKind == KIND_FOLDER)
                children.emplace(r.nParentId, r.nFolderId);
        }
        std::vector<qint32> queue{folderId};
        std::unordered_set<qint32> seen{folderId};
        for (size_t i = 0; i < queue.size(); ++i) {
            if (queue[i] < 1)
                continue;
            const auto [from, to] = children.equal_range(queue[i]);
            for (auto it = from; it != to; ++it) {
                wanted.insert(pairKey(queue[i], it->second));
                if (seen.insert(it->second).second)
                    queue.push_back(it->second);
            }
        }
    }
    std::vector<const MessageRecord*> result;
    for (const MessageRecord& r : records) {
        if (r.nKind == KIND_MESSAGE && wanted.contains(pairKey(r.nParentId, r.nFolderId)))
            result.push_back(&r);
    }
    return result;
}

std::vector<const MessageRecord*> findMessages(const RecordList& records,
                                               const std::vector<qint32>& messageIds)
{
    std::unordered_map<qint32, const MessageRecord*> found;
    for (const qint32 id : messageIds)
        found.emplace(id, nullptr);
    for (const MessageRecord& r : records) {
        if (r.nKind != KIND_MESSAGE)
            continue;
        const auto it = found.find(r.nMessageId);
        if (it != found.end() && !it->second)
            it->second = &r;
    }
    std::vector<const MessageRecord*> out;
    for (const qint32 id : messageIds) {
        if (const MessageRecord* m = found.at(id))
            out.push_back(m);
    }
    return out;
}

std::vector<FolderGroup> groupByFolder(const RecordList& records,
                                       const std::vector<qint32>& messageIds)
{
    std::unordered_map<qint32, qint32> folderOf; // message number -> folder number
    for (const qint32 id : messageIds)
        folderOf.emplace(id, 0);
    for (const MessageRecord& r : records) {
        if (r.nKind != KIND_MESSAGE)
            continue;
        const auto it = folderOf.find(r.nMessageId);
        if (it != folderOf.end() && it->second == 0)
            it->second = r.nFolderId;
    }
    std::vector<FolderGroup> groups;
    for (const qint32 id : messageIds) {
        const qint32 folderId = folderOf.at(id);
        if (folderId == 0)
            continue;
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const FolderGroup& g) { return g.folderId == folderId; });
        if (group == groups.end())
            group = groups.insert(groups.end(), FolderGroup{folderId, {}});
        group->messageIds.push_back(id);
    }
    return groups;
}

} // namespace archive
