#include "document/IniStore.h"

#include "document/IniText.h"

#include <cstring>
#include <optional>

namespace volmar {

namespace {

// Splits text into lines at CR LF, at a lone CR and at a lone LF, in one pass:
// the next CR and the next LF are each searched for once and remembered.
class LineSplitter {
public:
    explicit LineSplitter(QByteArrayView text) : text_(text) {}

    std::optional<QByteArrayView> Next() {
        if (position_ >= text_.size())
            return std::nullopt;
        nextCr_ = NextOf('\r', nextCr_);
        nextLf_ = NextOf('\n', nextLf_);
        const qsizetype end = std::min(nextCr_, nextLf_);
        const QByteArrayView line = text_.sliced(position_, end - position_);
        position_ = end + LineEndLength(end);
        return line;
    }

private:
    qsizetype NextOf(char c, qsizetype remembered) const {
        if (remembered >= position_)
            return remembered;
        const char* start = text_.data() + position_;
        const void* found = std::memchr(start, c, size_t(text_.size() - position_));
        return found ? position_ + (static_cast<const char*>(found) - start) : text_.size();
    }

    qsizetype LineEndLength(qsizetype end) const {
        if (end >= text_.size())
            return 0;
        const bool crLf = text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n';
        return crLf ? 2 : 1;
    }

    QByteArrayView text_;
    qsizetype position_ = 0;
    qsizetype nextCr_ = -1;
    qsizetype nextLf_ = -1;
};

bool IsSectionHeader(QByteArrayView line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// Everything before the first NUL, after a UTF-8 byte order mark that some
// editors put at the start.
QByteArrayView TextPart(QByteArrayView text) {
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    const qsizetype nul = text.indexOf('\0');
    return nul < 0 ? text : text.first(nul);
}

} // namespace

IniStore IniStore::Read(const QByteArray& text) {
    IniStore store;
    store.buffer_ = text;
    const char* start = store.buffer_.constData();
    const QByteArrayView all = TextPart(store.buffer_);
    const auto spanOf = [start](QByteArrayView part) {
        return Span{part.data() - start, part.size()};
    };

    LineSplitter lines(all);
    while (const auto raw = lines.Next()) {
        const QByteArrayView line = TrimIni(*raw);
        if (line.isEmpty() || line.front() == ';')
            continue;
        if (IsSectionHeader(line)) {
            store.OpenSection(spanOf(TrimIni(line.sliced(1, line.size() - 2))));
            continue;
        }
        if (store.sections_.empty())
            continue; // before the first section
        const qsizetype equals = line.indexOf('=');
        const Line kept = equals < 0 ? Line{spanOf(line), {}, -1, false}
                                     : Line{spanOf(TrimIni(line.first(equals))),
                                            spanOf(TrimIni(line.sliced(equals + 1))), -1, true};
        store.AppendLine(qsizetype(store.sections_.size()) - 1, kept);
    }
    return store;
}

} // namespace volmar
