#pragma once

#include <QStringView>

namespace volmar {

// The names of the steps, shown after "元に戻す(&U)" and "やり直し(&R)".
inline constexpr QStringView kStepCreate = u"ウインドウの作成";
inline constexpr QStringView kStepDelete = u"削除";
inline constexpr QStringView kStepCut = u"切り取り";
inline constexpr QStringView kStepPaste = u"貼り付け";
inline constexpr QStringView kStepProperty = u"プロパティ";
inline constexpr QStringView kStepMove = u"移動";
inline constexpr QStringView kStepResize = u"サイズ変更";
inline constexpr QStringView kStepNewProject = u"新規プロジェクト";
inline constexpr QStringView kStepOpenProject = u"プロジェクトを開く";
inline constexpr QStringView kStepProjectTarget = u"プロジェクトの設定";
// The z-order steps are named after their commands.
inline constexpr QStringView kStepZBack = u"背面に移動";
inline constexpr QStringView kStepZTop = u"前面に移動";
inline constexpr QStringView kStepZFullBack = u"最背面に移動";
inline constexpr QStringView kStepZFullTop = u"最前面に移動";

} // namespace volmar
