#include "core/ImageFilePattern.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace velmora {
namespace {

// Every pattern is "*." and an extension of at most 8 ASCII letters, so an extension packs into one
// number and a name is tested with one binary search instead of 46 comparisons.
constexpr qsizetype LongestExtension = 8;

std::uint64_t Pack(QStringView upperExtension)
{
    std::uint64_t key = 0;
    for (const QChar c : upperExtension)
        key = (key << 8) | c.unicode();
    return key;
}

std::vector<std::uint64_t> BuildKeys()
{
    std::vector<std::uint64_t> keys;
    const QString patterns = QString::fromUtf16(ImageFilePattern);
    for (const QStringView pattern : QStringView(patterns).split(u';')) {
        Q_ASSERT(pattern.startsWith(u"*.") && pattern.size() - 2 <= LongestExtension);
        keys.push_back(Pack(pattern.mid(2)));
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

} // namespace

bool MatchesImageFilePattern(QStringView name)
{
    static const std::vector<std::uint64_t> keys = BuildKeys();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return false;
    const QStringView extension = name.mid(dot + 1);
    if (extension.isEmpty() || extension.size() > LongestExtension)
        return false;
    std::uint64_t key = 0;
    for (const QChar c : extension) {
        char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            u = char16_t(u - (u'a' - u'A'));
        else if (u < u'A' || u > u'Z')
            return false; // every extension of the patterns is plain letters
        key = (key << 8) | u;
    }
    return std::binary_search(keys.begin(), keys.end(), key);
}

} // namespace velmora
