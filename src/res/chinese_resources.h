#pragma once
// The Chinese resource set: the English layout with Chinese texts.

#include "res/english_resources.h"

namespace kw::chinese {

using std::string_view_literals::operator""sv;

inline constexpr auto kMainFile = translated(
    english::kMainFile, {"新建(&N)\tCtrl+N"sv, "打开(&O)...\tCtrl+O"sv, "打开备份(&B)..."sv, ""sv,
                         "打印设置(&R)..."sv, ""sv, "退出(&X)"sv});
inline constexpr auto kMainView = translated(english::kMainView, {"工具栏(&T)"sv, "状态栏(&S)"sv});
inline constexpr auto kMainHelp = translated(english::kMainHelp, {"关于(&A)..."sv});
inline constexpr std::array<PopupResource, 3> kMainMenuPopups{{
    {"文件(&F)", kMainFile},
    {"查看(&V)", kMainView},
    {"帮助(&H)", kMainHelp},
}};

inline constexpr auto kDocFile =
    translated(english::kDocFile,
               {"新建(&N)\tCtrl+N"sv, "打开(&O)...\tCtrl+O"sv, "打开备份(&B)..."sv, "关闭(&C)"sv,
                "保存(&S)\tCtrl+S"sv, "另存为(&A)..."sv, ""sv, "导入(&I)..."sv, "导出(&X)..."sv,
                ""sv, "打印(&P)...\tCtrl+P"sv, "打印预览"sv, "打印设置..."sv, ""sv, "退出(&E)"sv});
inline constexpr auto kDocEdit = translated(english::kDocEdit, {"机型设置"sv,
                                                                "信道信息"sv,
                                                                ""sv,
                                                                "可选功能"sv,
                                                                ""sv,
                                                                "DTMF"sv,
                                                                "按键设置"sv,
                                                                ""sv,
                                                                "撤销(&U)\tCtrl+Z"sv,
                                                                "重做(&R)\tCtrl+Y"sv,
                                                                ""sv,
                                                                "剪切(&T)\tCtrl+X"sv,
                                                                "复制(&C)\tCtrl+C"sv,
                                                                "粘贴(&P)\tCtrl+V"sv,
                                                                ""sv,
                                                                "插入信道(&I)"sv,
                                                                "删除信道(&D)"sv,
                                                                "上移(&P)\tAlt+Up"sv,
                                                                "下移(&W)\tAlt+Down"sv,
                                                                "复制信道(&L)"sv,
                                                                "批量设置所选行…"sv,
                                                                "向下填充(&F)\tCtrl+D"sv,
                                                                ""sv,
                                                                "按接收频率升序排序"sv,
                                                                "按接收频率降序排序"sv,
                                                                "按名字升序排序"sv,
                                                                "按名字降序排序"sv});
inline constexpr auto kDocProgram =
    translated(english::kDocProgram, {"读频(&R)    Ctrl+R"sv, "写频(&W)   Ctrl+W"sv, ""sv,
                                      "比较(&C)..."sv, "恢复备份(&B)..."sv, "批量写频(&F)..."sv});
inline constexpr auto kDocSetup =
    translated(english::kDocSetup, {"端口设置"sv, "语言"sv, "首选项..."sv});
inline constexpr auto kDocView =
    translated(english::kDocView, {"工具栏(&T)"sv, "状态栏(&S)"sv, ""sv, "导航栏(&B)   Ctrl+B"sv});
inline constexpr auto kDocHelp =
    translated(english::kDocHelp, {"帮助主题(&H)"sv, ""sv, "关于(&A)..."sv});
inline constexpr std::array<PopupResource, 6> kDocumentMenuPopups{{
    {"文件(&F)", kDocFile},
    {"编辑(&E)", kDocEdit},
    {"编程(&P)", kDocProgram},
    {"设置", kDocSetup},
    {"查看(&V)", kDocView},
    {"帮助(&H)", kDocHelp},
}};

inline constexpr std::array<MenuResource, 2> kMenus{{
    {resource::kMainMenu, kMainMenuPopups},
    {resource::kDocumentMenu, kDocumentMenuPopups},
}};

inline constexpr auto kStrings =
    translated(english::kStrings, {"就绪"sv,
                                   "大写"sv,
                                   "数字"sv,
                                   "滚动"sv,
                                   "建立新文档\n新建"sv,
                                   "打开已有的文档\n打开"sv,
                                   "关闭当前文档\n关闭"sv,
                                   "保存当前文档\n保存"sv,
                                   "用新名字保存当前文档\n另存为"sv,
                                   "改变打印选项\n页面设置"sv,
                                   "打印当前文档\n打印"sv,
                                   "显示整页\n打印预览"sv,
                                   "显示程序信息、版本号和版权\n关于"sv,
                                   "退出程序；提示保存文档\n退出"sv,
                                   "显示或隐藏工具栏\n显隐工具栏"sv,
                                   "显示或隐藏状态栏\n显隐状态栏"sv,
                                   "显示或隐藏导航栏\n导航栏"sv,
                                   "从对讲机读取数据\n读频"sv,
                                   "把数据写入对讲机\n写频"sv,
                                   "选择编程线所接的串口\n端口设置"sv,
                                   "选择对讲机机型及其频段\n机型设置"sv,
                                   "显示信道表\n信道信息"sv,
                                   "编辑整机选项和密码\n可选功能"sv,
                                   "列出帮助主题\n帮助主题"sv,
                                   "切换界面语言；程序将重新启动\n语言"sv,
                                   "选择每次写频前后要做的事\n首选项"sv,
                                   "列出与另一文档、文件或对讲机的差异\n比较"sv,
                                   "把备份写回对讲机\n恢复备份"sv,
                                   "打开对讲机存储器的备份\n打开备份"sv,
                                   "在多个串口上逐台写入对讲机\n批量写频"sv,

                                   "从 CSV 文件（本程序或 CHIRP 格式）读入信道\n导入"sv,
                                   "把信道写入 CSV 文件（本程序或 CHIRP 格式）\n导出"sv,
                                   "撤销上一次更改\n撤销"sv,
                                   "重做上一次撤销的更改\n重做"sv,
                                   "把所选内容复制到剪贴板并清空\n剪切"sv,
                                   "把所选内容以制表符分隔的文本复制到剪贴板\n复制"sv,
                                   "从当前单元格起粘贴制表符分隔的文本\n粘贴"sv,
                                   "插入一个空信道；下面的信道下移\n插入信道"sv,
                                   "删除所选信道；下面的信道上移\n删除信道"sv,
                                   "把所选信道上移一行\n上移"sv,
                                   "把所选信道下移一行\n下移"sv,
                                   "把所选信道复制到其后的行\n复制信道"sv,
                                   "为所有所选信道设置同一列\n批量设置"sv,
                                   "把第一个所选信道的值填入其余所选信道\n向下填充"sv,
                                   "按接收频率从低到高排序信道\n排序"sv,
                                   "按接收频率从高到低排序信道\n排序"sv,
                                   "按名字从 A 到 Z 排序信道\n排序"sv,
                                   "按名字从 Z 到 A 排序信道\n排序"sv});

inline constexpr std::string_view kDialogFont = "WenQuanYi Micro Hei";

inline constexpr auto kAboutControls = translated(
    english::kAboutControls,
    {""sv, "程序版本 1.0"sv, ""sv, ""sv, "KW-217V 和 KW-217U 对讲机编程软件"sv, "确定"sv});
inline constexpr auto kProductInfoControls =
    translated(english::kProductInfoControls,
               {"机型信息"sv, "机型"sv, ""sv, "频段"sv, ""sv, ""sv, ""sv, "确定"sv, "取消"sv});
inline constexpr auto kLanguageControls =
    translated(english::kLanguageControls, {"语言"sv, "English"sv, "中文"sv, "确定"sv, "取消"sv});
inline constexpr auto kPortSettingControls =
    translated(english::kPortSettingControls,
               {"端口"sv, ""sv,         ""sv, ""sv,           ""sv, ""sv,     ""sv,    ""sv,
                ""sv,     ""sv,         ""sv, ""sv,           ""sv, ""sv,     ""sv,    ""sv,
                ""sv,     "其他设备"sv, ""sv, "记录到文件"sv, ""sv, "确定"sv, "取消"sv});

inline constexpr auto kProcessControls = translated(
    english::kProcessControls, {"开始"sv, "进度："sv, "尚未开始"sv, "取消"sv, ""sv, ""sv});

inline constexpr auto kPreferencesControls =
    translated(english::kPreferencesControls,
               {"写频前备份对讲机"sv, "写频前显示更改"sv, "写频后校验"sv, "确定"sv, "取消"sv});
inline constexpr auto kCompareWithControls =
    translated(english::kCompareWithControls, {"把文档与以下比较"sv, "另一个已打开的文档"sv, ""sv,
                                               "文件..."sv, "对讲机"sv, "确定"sv, "取消"sv});

inline constexpr std::array<DialogResource, 7> kDialogs{{
    {resource::kAboutDialog, "关于本程序", english::kDialogs[0].width, english::kDialogs[0].height,
     kDialogFont, english::kDialogPointSize, kAboutControls},
    {resource::kProductInfoDialog, "机型设置", english::kDialogs[1].width,
     english::kDialogs[1].height, kDialogFont, english::kDialogPointSize, kProductInfoControls},
    {resource::kLanguageDialog, "语言", english::kDialogs[2].width, english::kDialogs[2].height,
     kDialogFont, english::kDialogPointSize, kLanguageControls},
    {resource::kPortSettingDialog, "端口设置", english::kDialogs[3].width,
     english::kDialogs[3].height, kDialogFont, english::kDialogPointSize, kPortSettingControls},
    {resource::kProcessDialog, "进程", english::kDialogs[4].width, english::kDialogs[4].height,
     kDialogFont, english::kDialogPointSize, kProcessControls},
    {resource::kPreferencesDialog, "首选项", english::kDialogs[5].width,
     english::kDialogs[5].height, kDialogFont, english::kDialogPointSize, kPreferencesControls},
    {resource::kCompareWithDialog, "比较", english::kDialogs[6].width, english::kDialogs[6].height,
     kDialogFont, english::kDialogPointSize, kCompareWithControls},
}};

}  // namespace kw::chinese
