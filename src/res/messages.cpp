#include "res/messages.h"

#include <array>

namespace kw {
namespace {

struct MessageEntry {
    MessageId id;
    std::string_view english;
    std::string_view chinese;
};

constexpr std::array kMessages{
    MessageEntry{MessageId::OutOfRange, "Out of range, please input again.",
                 "超出范围，请重新输入。"},
    MessageEntry{MessageId::ErrorDataFormat, "Error Data Format, please input again.",
                 "数据格式错误，请重新输入。"},
    MessageEntry{MessageId::CommunicationError,
                 "Communication Error, Please check all the connections and the radio power",
                 "通讯错误，请检查所有连接和对讲机电源"},
    MessageEntry{MessageId::AllDataWillBeCleared, "All data will be Cleared!",
                 "所有数据将被清除！"},
    MessageEntry{MessageId::CouldNotOpenPort,
                 "Could not Open the Port, Please check whether the Port are occupied or the "
                 "device are ok",
                 "无法打开端口，请检查端口是否被占用或设备是否正常"},
    MessageEntry{MessageId::ProgramInterrupt,
                 "Program Interrupt, Please reset the radio and try again",
                 "编程中断，请复位对讲机后重试"},
    MessageEntry{MessageId::ErrorStepValue,
                 "Error data Value, please input according the step value(6.25K/5k).",
                 "数据值错误，请按照步进值(6.25K/5k)输入。"},
    MessageEntry{MessageId::Caution, "Caution", "注意"},
};

struct BuiltInEntry {
    BuiltInText text;
    std::string_view english;
    std::string_view chinese;
};

constexpr std::array kBuiltIns{
    BuiltInEntry{BuiltInText::BandNotMatch, "Band not match", "频宽不一致"},
    BuiltInEntry{BuiltInText::PasswordError, "Password Error!", "Password Error!"},
    BuiltInEntry{BuiltInText::WaitingForRadio, "Waiting the response from radio....",
                 "请等待对机讲响应...."},
    BuiltInEntry{BuiltInText::ChannelInformation, "Channel Information", "信道信息"},
    BuiltInEntry{BuiltInText::LoadLanguageFailed, "Load language DLL fail", "加载语言链接库失败"},
    BuiltInEntry{BuiltInText::ReadDataTitle, "Read Data", "读数据"},
    BuiltInEntry{BuiltInText::WriteDataTitle, "Write Data", "写数据"},
    BuiltInEntry{BuiltInText::PasswordDigitsOnly,
                 "A radio password is up to six digits (0-9), or empty for none.",
                 "对讲机密码最多为六位数字（0-9），留空表示无密码。"},
    BuiltInEntry{BuiltInText::ChannelNameTooLong,
                 "A channel name is at most 8 bytes in the radio's code page: 8 letters or "
                 "digits, or 4 Chinese characters.",
                 "信道名字在对讲机代码页中最多 8 个字节：8 个字母或数字，或 4 个汉字。"},
    BuiltInEntry{BuiltInText::ChannelNameNotRepresentable,
                 "A channel name can hold only characters of the radio's code page (GBK).",
                 "信道名字只能包含对讲机代码页 (GBK) 中的字符。"},
    BuiltInEntry{BuiltInText::SaveChanges, "Save changes?", "是否保存更改？"},
    BuiltInEntry{BuiltInText::HelpTitle, "Help", "帮助"},
    BuiltInEntry{BuiltInText::HelpBack, "Back", "后退"},
    BuiltInEntry{BuiltInText::HelpForward, "Forward", "前进"},
    BuiltInEntry{BuiltInText::HelpHome, "Home", "主页"},
    BuiltInEntry{BuiltInText::HelpClose, "Close", "关闭"},
    BuiltInEntry{BuiltInText::CancelTransferToClose,
                 "A transfer with the radio is running. Cancel it so that the program can close?",
                 "正在与对讲机传输数据。是否取消传输以便关闭程序？"},
    BuiltInEntry{BuiltInText::ChoosePortInComSetup,
                 "Choose the port of the programming cable in Setup > Com Setup.",
                 "请在 设置 > 端口设置 中选择编程线所接的端口。"},
    BuiltInEntry{BuiltInText::FileChangedOnDisk,
                 "The file was changed on disk since it was opened or saved here. Save over it?",
                 "此文件在打开或保存之后已被其他程序更改。是否覆盖？"},
    BuiltInEntry{BuiltInText::DifferenceWhere, "Where", "位置"},
    BuiltInEntry{BuiltInText::DifferenceWhat, "What", "项目"},
    BuiltInEntry{BuiltInText::DifferenceFrom, "From", "原值"},
    BuiltInEntry{BuiltInText::DifferenceTo, "To", "新值"},
    BuiltInEntry{BuiltInText::ChangesTitle, "Changes to write (radio -> document)",
                 "将写入的更改（对讲机 -> 文档）"},
    BuiltInEntry{BuiltInText::NoChanges, "The radio already holds everything the document holds.",
                 "对讲机中的数据已与文档相同。"},
    BuiltInEntry{BuiltInText::WriteButton, "Write", "写频"},
    BuiltInEntry{BuiltInText::CloseButton, "Close", "关闭"},
    BuiltInEntry{BuiltInText::CompareTitle, "Compare", "比较"},
    BuiltInEntry{BuiltInText::NoDifferences, "No differences.", "没有差异。"},
    BuiltInEntry{BuiltInText::OpenBackupTitle, "Open Backup", "打开备份"},
    BuiltInEntry{BuiltInText::StepBackup, "Backup", "备份"},
    BuiltInEntry{BuiltInText::StepWrite, "Write", "写频"},
    BuiltInEntry{BuiltInText::StepVerify, "Verify", "校验"},
    BuiltInEntry{BuiltInText::PasswordErrorNoBackup,
                 "No backup could be taken; turn off \"Back up the radio before writing\" in "
                 "Setup > Preferences to write anyway.",
                 "无法备份；如仍要写频，请在 设置 > 首选项 中关闭“写频前备份对讲机”。"},
    BuiltInEntry{BuiltInText::WrittenWithBackup,
                 "The radio holds the document now. Its memory before the write is kept in:",
                 "对讲机已写入文档。写频前的存储器备份保存在："},
    BuiltInEntry{BuiltInText::VerifyFailed, "Verify failed: %1 differences", "校验失败：%1 处差异"},
    BuiltInEntry{BuiltInText::BackupKeptIn,
                 "The radio's memory before the write is kept in:", "写频前的存储器备份保存在："},
    BuiltInEntry{BuiltInText::RadioName, "the radio", "对讲机"},
    BuiltInEntry{BuiltInText::NotAChoiceOfTheColumn, "not one of the column's choices",
                 "不是此列的可选值"},
    BuiltInEntry{BuiltInText::RowHasNoChannel,
                 "the row has no channel: give its Rx frequency first",
                 "此行没有信道：请先输入接收频率"},
    BuiltInEntry{BuiltInText::BeyondTheChannelTable, "beyond the channel table", "超出信道表"},
    BuiltInEntry{BuiltInText::PasteRefusedCells,
                 "These cells cannot take the pasted values:", "以下单元格不能接受粘贴的值："},
    BuiltInEntry{BuiltInText::PasteTheRest, "Paste the other cells? (Cancel pastes nothing.)",
                 "是否粘贴其余单元格？（选“取消”则不粘贴任何内容。）"},
    BuiltInEntry{BuiltInText::CellsNotSet,
                 "These cells kept their values:", "以下单元格保持原值："},
    BuiltInEntry{BuiltInText::SetForSelectedRowsTitle, "Set for selected rows", "批量设置所选行"},
    BuiltInEntry{BuiltInText::ColumnLabel, "Column", "列"},
    BuiltInEntry{BuiltInText::ValueLabel, "Value", "值"},
    BuiltInEntry{BuiltInText::BothTones, "QT/DQT Dec and Enc", "QT/DQT解码和编码"},
    BuiltInEntry{BuiltInText::FillDownNeedsRows,
                 "Select the rows to fill: the first one's values go into the others.",
                 "请选择要填充的行：第一行的值将填入其余各行。"},
    BuiltInEntry{BuiltInText::ImportRefusedLines,
                 "These lines cannot be imported:", "以下各行不能导入："},
    BuiltInEntry{BuiltInText::ImportTheRest, "Import the other lines? (Cancel imports nothing.)",
                 "是否导入其余各行？（选“取消”则不导入任何内容。）"},
    BuiltInEntry{BuiltInText::OurCsvFilter, "Channel table CSV (*.csv)", "信道表 CSV (*.csv)"},
    BuiltInEntry{BuiltInText::ChirpCsvFilter, "CHIRP CSV (*.csv)", "CHIRP CSV (*.csv)"},
    BuiltInEntry{BuiltInText::FleetWriteTitle, "Fleet Write", "批量写频"},
    BuiltInEntry{BuiltInText::FleetPorts, "Ports", "端口"},
    BuiltInEntry{BuiltInText::FleetRadioCount, "Radios:", "台数："},
    BuiltInEntry{BuiltInText::FleetUntilStop, "until Stop", "直到停止"},
    BuiltInEntry{BuiltInText::FleetStart, "Start", "开始"},
    BuiltInEntry{BuiltInText::FleetStop, "Stop", "停止"},
    BuiltInEntry{BuiltInText::FleetColumnPort, "Port", "端口"},
    BuiltInEntry{BuiltInText::FleetColumnRadio, "Radio", "对讲机"},
    BuiltInEntry{BuiltInText::FleetColumnStep, "Step", "步骤"},
    BuiltInEntry{BuiltInText::FleetColumnProgress, "Progress", "进度"},
    BuiltInEntry{BuiltInText::FleetColumnResult, "Result", "结果"},
    BuiltInEntry{BuiltInText::FleetWaitingForRadio, "Waiting for a radio", "等待对讲机"},
    BuiltInEntry{BuiltInText::FleetStarting, "Starting", "正在开始"},
    BuiltInEntry{BuiltInText::FleetUnplugRadio, "Unplug the radio", "请拔下对讲机"},
    BuiltInEntry{BuiltInText::FleetDone, "Done", "完成"},
};

}  // namespace

std::string_view messageText(MessageId id, Language language) {
    for (const auto& entry : kMessages) {
        if (entry.id == id) {
            return pick(language, entry.english, entry.chinese);
        }
    }
    return {};
}

std::optional<MessageId> messageIdFromNumber(int number) {
    for (const auto& entry : kMessages) {
        if (static_cast<int>(entry.id) == number) {
            return entry.id;
        }
    }
    return std::nullopt;
}

std::string_view builtInText(BuiltInText text, Language language) {
    for (const auto& entry : kBuiltIns) {
        if (entry.text == text) {
            return pick(language, entry.english, entry.chinese);
        }
    }
    return {};
}

}  // namespace kw
