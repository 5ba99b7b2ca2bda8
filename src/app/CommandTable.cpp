#include "app/CommandTable.h"

#include <QKeyCombination>

namespace volmar {

namespace {

constexpr int Key(Qt::Key key) {
    return QKeyCombination(key).toCombined();
}

constexpr int Ctrl(Qt::Key key) {
    return QKeyCombination(Qt::ControlModifier, key).toCombined();
}

constexpr int kNone = 0;
constexpr int kNoImage = -1;

const CommandEntry kCommands[] = {
    {&TMainForm::aacUndo, "aacUndo", "元に戻す(&U)", false, Ctrl(Qt::Key_Z), kNoImage,
     &TMainForm::aacUndoExecute, false},
    {&TMainForm::aacRedo, "aacRedo", "やり直し(&R)", false, Ctrl(Qt::Key_Y), kNoImage,
     &TMainForm::aacRedoExecute, false},
    {&TMainForm::aacNewProject, "aacNewProject", "新規プロジェクト", true, Ctrl(Qt::Key_N), 3,
     &TMainForm::aacNewProjectExecute, false},
    {&TMainForm::aacOpenProject, "aacOpenProject", "プロジェクトを開く", true, Ctrl(Qt::Key_O), 4,
     &TMainForm::aacOpenProjectExecute, false},
    {&TMainForm::aacSaveAsProject, "aacSaveAsProject", "プロジェクトに名前をつけて保存", true,
     kNone, 5, &TMainForm::aacSaveAsProjectExecute, false},
    {&TMainForm::aacSaveProject, "aacSaveProject", "プロジェクトの上書き保存", true,
     Ctrl(Qt::Key_S), 6, &TMainForm::aacSaveProjectExecute, false},
    {&TMainForm::aacProjectSetting, "aacProjectSetting", "プロジェクトの設定...", false, kNone,
     kNoImage, &TMainForm::aacProjectSettingExecute, false},
    {&TMainForm::aacCopy, "aacCopy", "コピー", true, Ctrl(Qt::Key_C), 10,
     &TMainForm::aacCopyExecute, false},
    {&TMainForm::aacCut, "aacCut", "切り取り", true, Ctrl(Qt::Key_X), 9, &TMainForm::aacCutExecute,
     false},
    {&TMainForm::aacPaste, "aacPaste", "貼り付け", true, Ctrl(Qt::Key_V), 8,
     &TMainForm::aacPasteExecute, false},
    {&TMainForm::aacDelete, "aacDelete", "削除", true, Key(Qt::Key_Delete), 7,
     &TMainForm::aacDeleteExecute, false},
    {&TMainForm::aacSelectAll, "aacSelectAll", "全て選択", true, Ctrl(Qt::Key_A), kNoImage,
     &TMainForm::aacSelectAllExecute, false},
    {&TMainForm::aacViewGridLine, "aacViewGridLine", "グリッドガイドの表示", true, kNone, kNoImage,
     &TMainForm::aacViewGridLineExecute, true},
    {&TMainForm::aacSnapViewGrid, "aacSnapViewGrid", "グリッドにスナップ", true, kNone, kNoImage,
     &TMainForm::aacSnapViewGridExecute, true},
    {&TMainForm::aacSnapToWindows, "aacSnapToWindows", "ウインドウにスナップ", true, kNone,
     kNoImage, &TMainForm::aacSnapToWindowsExecute, true},
    {&TMainForm::aacViewContents, "aacViewContents", "内容領域の表示", true, kNone, kNoImage,
     &TMainForm::aacViewContentsExecute, true},
    {&TMainForm::aacViewWindowNames, "aacViewWindowNames", "ウインドウ名の表示", true, kNone,
     kNoImage, &TMainForm::aacViewWindowNamesExecute, true},
    {&TMainForm::aacViewruler, "aacViewruler", "ルーラーの表示", false, kNone, kNoImage,
     &TMainForm::aacViewrulerExecute, true},
    {&TMainForm::aacSkinChange, "aacSkinChange", "ウインドウスキンの切り替え", true, kNone,
     kNoImage, &TMainForm::aacSkinChangeExecute, false},
    {&TMainForm::aacBackgroundChange, "aacBackgroundChange", "背景画像の切り替え", true, kNone,
     kNoImage, &TMainForm::aacBackgroundChangeExecute, false},
    {&TMainForm::aacBackgroundRemove, "aacBackgroundRemove", "背景画像を外す", true, kNone,
     kNoImage, &TMainForm::aacBackgroundRemoveExecute, false},
    {&TMainForm::aacZBack, "aacZBack", "背面に移動", false, kNone, 18, &TMainForm::aacZBackExecute,
     false},
    {&TMainForm::aacZTop, "aacZTop", "前面に移動", false, kNone, 16, &TMainForm::aacZTopExecute,
     false},
    {&TMainForm::aacZFullBack, "aacZFullBack", "最背面に移動", false, kNone, 17,
     &TMainForm::aacZFullBackExecute, false},
    {&TMainForm::aacZFullTop, "aacZFullTop", "最前面に移動", false, kNone, 15,
     &TMainForm::aacZFullTopExecute, false},
    {&TMainForm::aacAlignLeft, "aacAlignLeft", "左揃え", false, kNone, kNoImage,
     &TMainForm::aacAlignLeftExecute, false},
    {&TMainForm::aacAlignRight, "aacAlignRight", "右揃え", false, kNone, kNoImage,
     &TMainForm::aacAlignRightExecute, false},
    {&TMainForm::aacAlignTop, "aacAlignTop", "上揃え", false, kNone, kNoImage,
     &TMainForm::aacAlignTopExecute, false},
    {&TMainForm::aacAlignBottom, "aacAlignBottom", "下揃え", false, kNone, kNoImage,
     &TMainForm::aacAlignBottomExecute, false},
    {&TMainForm::aacAlignHCenter, "aacAlignHCenter", "左右中央揃え", false, kNone, kNoImage,
     &TMainForm::aacAlignHCenterExecute, false},
    {&TMainForm::aacAlignVCenter, "aacAlignVCenter", "上下中央揃え", false, kNone, kNoImage,
     &TMainForm::aacAlignVCenterExecute, false},
    {&TMainForm::aacSameWidth, "aacSameWidth", "幅を揃える", false, kNone, kNoImage,
     &TMainForm::aacSameWidthExecute, false},
    {&TMainForm::aacSameHeight, "aacSameHeight", "高さを揃える", false, kNone, kNoImage,
     &TMainForm::aacSameHeightExecute, false},
    {&TMainForm::aacSpaceHorz, "aacSpaceHorz", "左右に等間隔", false, kNone, kNoImage,
     &TMainForm::aacSpaceHorzExecute, false},
    {&TMainForm::aacSpaceVert, "aacSpaceVert", "上下に等間隔", false, kNone, kNoImage,
     &TMainForm::aacSpaceVertExecute, false},
    {&TMainForm::aacSelectProperty, "aacSelectProperty", "ウインドウのプロパティ", true,
     Key(Qt::Key_F5), 13, &TMainForm::aacSelectPropertyExecute, false},
    {&TMainForm::aacCodeGen, "aacCodeGen", "コード生成", true, kNone, 2,
     &TMainForm::aacCodeGenExecute, false},
    {&TMainForm::aacCheckCode, "aacCheckCode", "コードの確認", true, kNone, kNoImage,
     &TMainForm::aacCheckCodeExecute, false},
    {&TMainForm::aacOption, "aacOption", "環境設定", true, kNone, 14, &TMainForm::aacOptionExecute,
     false},
    {&TMainForm::aacHelp, "aacHelp", "ヘルプを開く", true, Key(Qt::Key_F1), 11,
     &TMainForm::aacHelpExecute, false},
};

} // namespace

std::span<const CommandEntry> CommandTable() {
    return kCommands;
}

} // namespace volmar
