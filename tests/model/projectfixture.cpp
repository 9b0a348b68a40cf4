#include "projectfixture.h"

#include <QFile>

using automation::Error;
using automation::Value;

const QByteArray ProjectFixture::Project1 = "Form=Form1.frm\r\n"
                                            "Module=Module1; Module1.bas\r\n"
                                            "ProjWinSize=152,402,248,215\r\n"
                                            "ProjWinShow=2\r\n"
                                            "IconForm=\"Form1\"\r\n"
                                            "Name=\"Project1\"\r\n"
                                            "ExeName32=\"Project1.exe\"\r\n";

const QByteArray ProjectFixture::Form1 = "VERSION 4.00\r\n"
                                         "Begin VB.Form Form1 \r\n"
                                         "   Caption         =   \"Form1\"\r\n"
                                         "   ClientHeight    =   3195\r\n"
                                         "   ClientLeft      =   1140\r\n"
                                         "   ClientTop       =   1515\r\n"
                                         "   ClientWidth     =   4680\r\n"
                                         "   Height          =   3600\r\n"
                                         "   Left            =   1080\r\n"
                                         "   LinkTopic       =   \"Form1\"\r\n"
                                         "   ScaleHeight     =   3195\r\n"
                                         "   ScaleWidth      =   4680\r\n"
                                         "   Top             =   1170\r\n"
                                         "   Width           =   4800\r\n"
                                         "   Begin VB.CommandButton Command1 \r\n"
                                         "      Caption         =   \"Command1\"\r\n"
                                         "      Height          =   495\r\n"
                                         "      Left            =   120\r\n"
                                         "      TabIndex        =   0\r\n"
                                         "      Top             =   120\r\n"
                                         "      Width           =   1215\r\n"
                                         "   End\r\n"
                                         "   Begin VB.TextBox Text1 \r\n"
                                         "      Height          =   300\r\n"
                                         "      Left            =   100.5\r\n"
                                         "      TabIndex        =   1\r\n"
                                         "      Text            =   \"Text1\"\r\n"
                                         "      Top             =   480\r\n"
                                         "      Width           =   600\r\n"
                                         "   End\r\n"
                                         "   Begin VB.Label Label1 \r\n"
                                         "      Caption         =   \"Caf\xe9 \"\"au\"\" lait\"\r\n"
                                         "      Enabled         =   0   'False\r\n"
                                         "      Height          =   255\r\n"
                                         "      Left            =   120\r\n"
                                         "      TabIndex        =   2\r\n"
                                         "      Top             =   960\r\n"
                                         "      Width           =   900\r\n"
                                         "   End\r\n"
                                         "   Begin VB.Frame Frame1 \r\n"
                                         "      Caption         =   \"Frame1\"\r\n"
                                         "      Height          =   975\r\n"
                                         "      Left            =   1560\r\n"
                                         "      TabIndex        =   3\r\n"
                                         "      Top             =   960\r\n"
                                         "      Width           =   1815\r\n"
                                         "      Begin VB.OptionButton Option1 \r\n"
                                         "         Caption         =   \"Option1\"\r\n"
                                         "         Height          =   255\r\n"
                                         "         Index           =   0\r\n"
                                         "         Left            =   120\r\n"
                                         "         TabIndex        =   4\r\n"
                                         "         Top             =   240\r\n"
                                         "         Width           =   1215\r\n"
                                         "      End\r\n"
                                         "   End\r\n"
                                         "   Begin VB.Menu mnuFile \r\n"
                                         "      Caption         =   \"&File\"\r\n"
                                         "      Begin VB.Menu mnuOpen \r\n"
                                         "         Caption         =   \"&Open\"\r\n"
                                         "         Shortcut        =   ^A\r\n"
                                         "      End\r\n"
                                         "   End\r\n"
                                         "End\r\n"
                                         "Attribute VB_Name = \"Form1\"\r\n"
                                         "Attribute VB_Creatable = False\r\n"
                                         "Attribute VB_Exposed = False\r\n"
                                         "Option Explicit\r\n"
                                         "\r\n"
                                         "Private Sub Command1_Click()\r\n"
                                         "    MsgBox \"Hi\"\r\n"
                                         "End Sub\r\n";

const QByteArray ProjectFixture::Module1 = "Attribute VB_Name = \"Module1\"\r\n"
                                           "Option Explicit\r\n"
                                           "Public Counter As Integer\r\n";

const QByteArray ProjectFixture::Class1 = "VERSION 1.0 CLASS\r\n"
                                          "BEGIN\r\n"
                                          "  MultiUse = -1  'True\r\n"
                                          "END\r\n"
                                          "Attribute VB_Name = \"Class1\"\r\n"
                                          "Attribute VB_Creatable = True\r\n"
                                          "Attribute VB_Exposed = False\r\n"
                                          "Public Sub Hello()\r\n"
                                          "End Sub\r\n";

void ProjectFixture::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    write(QStringLiteral("Project1.vbp"), Project1);
    write(QStringLiteral("Form1.frm"), Form1);
    write(QStringLiteral("Module1.bas"), Module1);
    ws.open(path(QStringLiteral("Project1.vbp")));
    app = Value(ws.application(QStringLiteral("Test.connect")));
}

void ProjectFixture::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ProjectFixture::read(const QString &name) const
{
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

int ProjectFixture::form1Id() const
{
    for (const auto &d : ws.documents()) {
        if (d.name == u"Form1")
            return d.id;
    }
    return -1;
}

Value ProjectFixture::activateForm1()
{
    ws.setActiveForm(form1Id());
    return call(project(), QStringLiteral("ActiveForm"));
}

Value ProjectFixture::prop(const Value &target, const QString &name) const
{
    return call(call(target, QStringLiteral("Properties"), {name}), QStringLiteral("Value"));
}

void ProjectFixture::setProp(const Value &target, const QString &name, const Value &value) const
{
    automation::assign(call(target, QStringLiteral("Properties"), {name}), QStringLiteral("Value"),
                       {}, value);
}

void ProjectFixture::expectError(int number, const std::function<void()> &fn)
{
    try {
        fn();
        ADD_FAILURE() << "expected error " << number;
    } catch (const Error &e) {
        EXPECT_EQ(e.number(), number) << e.description().toStdString();
    }
}
