#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

// The steps of replacing a file that every platform shares.
namespace volmar {

// Throws VolmarError "ファイル "…" を作成できません。" with the reason.
[[noreturn]] void RaiseCannotCreate(const QString& path, const QString& reason);

// Writes every byte, or returns false at the first write that fails.
bool WriteAll(QFileDevice& file, const QByteArray& bytes);

} // namespace volmar
