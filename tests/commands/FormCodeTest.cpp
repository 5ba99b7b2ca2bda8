#include "commands/FormCode.h"
#include "commands/CodeGenerator.h"
#include "document/Cp932.h"

#include <QPlainTextEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

using volmar::DesignDocument;

void Add(DesignDocument& document, const QString& name, qint32 left, qint32 top, qint32 right,
         qint32 bottom) {
    TWindowItem item;
    item.Name = name;
    item.Left = left;
    item.Top = top;
    item.Right = right;
    item.Bottom = bottom;
    document.Append(item);
}

TEST(FormCode, IsAResizableWindowFilledByItsTextBox) {
    TCodeForm form;
    EXPECT_EQ(form.objectName(), "TCodeForm");
    EXPECT_EQ(form.windowTitle(), "コード");
    EXPECT_EQ(form.size(), QSize(497, 407));
    EXPECT_NE(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.font().family(), "Tahoma");
    EXPECT_EQ(form.font().pointSize(), 8);

    ASSERT_EQ(form.CodeMemo, form.findChild<QPlainTextEdit*>("CodeMemo"));
    EXPECT_EQ(form.CodeMemo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_FALSE(form.CodeMemo->isReadOnly());
    EXPECT_EQ(form.CodeMemo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(form.CodeMemo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(form.CodeMemo->toPlainText().isEmpty());

    form.show();
    EXPECT_EQ(form.CodeMemo->geometry(), QRect(0, 0, 497, 407));
    form.resize(600, 300);
    EXPECT_EQ(form.CodeMemo->geometry(), QRect(0, 0, 600, 300));
}

TEST(FormCode, ShowsTheStatementsOfTheWorkedExample) {
    DesignDocument document;
    Add(document, "menu", 10, 20, 210, 120);
    Add(document, "help", 0, 416, 640, 480);
    TCodeForm form;
    form.Fill(document);
    EXPECT_EQ(form.CodeMemo->toPlainText(), "@menu  = Window.new\n"
                                            "@menu.x = 10\n"
                                            "@menu.y = 20\n"
                                            "@menu.width = 200\n"
                                            "@menu.height = 100\n"
                                            "@menu.contents = Bitmap.new(168,68)\n"
                                            "\n"
                                            "@help  = Window.new\n"
                                            "@help.x = 0\n"
                                            "@help.y = 416\n"
                                            "@help.width = 640\n"
                                            "@help.height = 64\n"
                                            "@help.contents = Bitmap.new(608,32)\n"
                                            "\n");
}

TEST(FormCode, ShowsWhatTheCommandLinePrintsWithNamesThroughCodePage932) {
    DesignDocument document;
    Add(document, QStringLiteral("窓\U0001F600x"), -5, 0, 15, 32);
    Add(document, QString(), 0, 0, 0, 0);
    TCodeForm form;
    form.Fill(document);
    const QString text = form.CodeMemo->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("@窓?x  = Window.new\n@窓?x.x = -5\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("@窓?x.contents = Bitmap.new(-12,0)\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n@  = Window.new\n")));
    QString printed = volmar::FromCp932(volmar::GenerateCodeBytes(document));
    printed.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(text, printed);
}

} // namespace
