#include "document/IniStore.h"

namespace volmar {

QByteArray IniStore::Write() const {
    QByteArray out;
    out.reserve(buffer_.size() + qsizetype(sections_.size()) * 8);
    for (const Section& section : sections_) {
        if (section.Removed)
            continue;
        out.append('[').append(View(section.Name)).append("]\r\n");
        for (qsizetype i = section.FirstLine; i >= 0; i = lines_[size_t(i)].Next) {
            const Line& line = lines_[size_t(i)];
            out.append(View(line.Key));
            if (line.IsKey)
                out.append('=').append(View(line.Value));
            out.append("\r\n");
        }
        out.append("\r\n");
    }
    return out;
}

} // namespace volmar
