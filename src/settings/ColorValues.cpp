#include "settings/ColorValues.h"

#include "render/Colors.h"

#include <QGuiApplication>

#include <array>

namespace volmar {

namespace {

constexpr std::array kStandard{
    NamedColor{0x000000, "黒"},       NamedColor{0x000080, "栗色"},   NamedColor{0x008000, "緑"},
    NamedColor{0x008080, "オリーブ"}, NamedColor{0x800000, "紺"},     NamedColor{0x800080, "紫"},
    NamedColor{0x808000, "青緑"},     NamedColor{0x808080, "灰色"},   NamedColor{0xC0C0C0, "銀色"},
    NamedColor{0x0000FF, "赤"},       NamedColor{0x00FF00, "ライム"}, NamedColor{0x00FFFF, "黄"},
    NamedColor{0xFF0000, "青"},       NamedColor{0xFF00FF, "赤紫"},   NamedColor{0xFFFF00, "水色"},
    NamedColor{0xFFFFFF, "白"},
};

constexpr std::array kExtended{
    NamedColor{0xC0DCC0, "マネーグリーン"},
    NamedColor{0xF0CAA6, "スカイブルー"},
    NamedColor{0xF0FBFF, "クリーム"},
    NamedColor{0xA4A0A0, "ミディアムグレー"},
};

constexpr auto A = QPalette::Active;
constexpr auto I = QPalette::Inactive;
constexpr auto D = QPalette::Disabled;

constexpr std::array kSystem{
    SystemColor{0, "スクロールバー", A, QPalette::Mid},
    SystemColor{1, "デスクトップ", A, QPalette::Dark},
    SystemColor{2, "アクティブなタイトルバー", A, QPalette::Highlight},
    SystemColor{3, "非アクティブなタイトルバー", I, QPalette::Mid},
    SystemColor{4, "メニュー", A, QPalette::Window},
    SystemColor{5, "ウインドウの背景", A, QPalette::Base},
    SystemColor{6, "ウインドウの枠", A, QPalette::Shadow},
    SystemColor{7, "メニューの文字", A, QPalette::WindowText},
    SystemColor{8, "ウインドウの文字", A, QPalette::Text},
    SystemColor{9, "タイトルバーの文字", A, QPalette::HighlightedText},
    SystemColor{10, "アクティブな境界", A, QPalette::Button},
    SystemColor{11, "非アクティブな境界", I, QPalette::Button},
    SystemColor{12, "アプリケーションの作業域", A, QPalette::Dark},
    SystemColor{13, "選択項目の背景", A, QPalette::Highlight},
    SystemColor{14, "選択項目の文字", A, QPalette::HighlightedText},
    SystemColor{15, "ボタンの表面", A, QPalette::Button},
    SystemColor{16, "ボタンの影", A, QPalette::Mid},
    SystemColor{17, "無効な文字", D, QPalette::Text},
    SystemColor{18, "ボタンの文字", A, QPalette::ButtonText},
    SystemColor{19, "非アクティブなタイトルバーの文字", I, QPalette::WindowText},
    SystemColor{20, "ボタンのハイライト", A, QPalette::Light},
    SystemColor{21, "3D の濃い影", A, QPalette::Shadow},
    SystemColor{22, "3D の明るい面", A, QPalette::Midlight},
    SystemColor{23, "ヒントの文字", A, QPalette::ToolTipText},
    SystemColor{24, "ヒントの背景", A, QPalette::ToolTipBase},
    SystemColor{26, "ホットトラック", A, QPalette::Link},
    SystemColor{27, "アクティブなタイトルバーのグラデーション", A, QPalette::Highlight},
    SystemColor{28, "非アクティブなタイトルバーのグラデーション", I, QPalette::Mid},
    SystemColor{29, "メニューの選択項目", A, QPalette::Highlight},
    SystemColor{30, "メニューバー", A, QPalette::Window},
};

} // namespace

std::span<const NamedColor> StandardColors() {
    return kStandard;
}
std::span<const NamedColor> ExtendedColors() {
    return kExtended;
}
std::span<const SystemColor> SystemColors() {
    return kSystem;
}

const SystemColor* FindSystemColor(quint32 value) {
    if (!IsSystemColorValue(value))
        return nullptr;
    for (const SystemColor& color : kSystem) {
        if (SystemColorValue(color.Index) == value)
            return &color;
    }
    return nullptr;
}

quint32 DisplayColor(quint32 stored, quint32 defaultBgr) {
    if (stored == kColorNone)
        return kWhite;
    if (stored == kColorDefault)
        return defaultBgr;
    if (IsSystemColorValue(stored)) {
        const SystemColor* system = FindSystemColor(stored);
        if (system == nullptr)
            return defaultBgr;
        return BgrFromColor(QGuiApplication::palette().color(system->Group, system->Role));
    }
    return stored & 0xFFFFFF;
}

} // namespace volmar
