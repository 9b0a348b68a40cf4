#include "subroutinecopy.h"

#include "datacontrol.h"

#include "platform/automation/error.h"
#include "platform/ui/services.h"

namespace tolvar {

namespace {

constexpr qint16 LineFieldCount = 20;

class CopyingFlag
{
public:
    explicit CopyingFlag(bool &flag) : m_flag(flag) { m_flag = true; }
    ~CopyingFlag() { m_flag = false; }
    CopyingFlag(const CopyingFlag &) = delete;
    CopyingFlag &operator=(const CopyingFlag &) = delete;

private:
    bool &m_flag;
};

} // namespace

bool SubroutineCopy::CopySubroutine(DataControl &data, const QString &boundValue,
                                    ui::Services &services,
                                    const std::function<void(const QString &)> &setStatusText)
{
    if (m_copying)
        return false;
    const CopyingFlag copying(m_copying);

    CodeText.clear();
    SearchCriteria = QStringLiteral("ID = ") + boundValue;
    data.FindFirst(SearchCriteria);
    // Without this check the record that happened to be current would be copied instead.
    if (data.NoMatch())
        throw automation::Error(3021, QStringLiteral("No current record."));

    for (FieldNumber = 1; FieldNumber <= LineFieldCount; ++FieldNumber) {
        services.DoEvents();
        FieldName = QString::number(FieldNumber);
        const automation::Value line = data.Field(FieldName);
        if (!line.isNull() && line.toString().isEmpty())
            break;
        if (!line.isNull())
            CodeText += line.toString();
        CodeText += QLatin1Char('\r');
        if (setStatusText)
            setStatusText(SubroutineCopiedText);
    }
    services.setClipboardText(CodeText);
    return true;
}

} // namespace tolvar
