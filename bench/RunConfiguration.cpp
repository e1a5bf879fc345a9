#include "RunConfiguration.h"

int RunConfiguration::passCount() const
{
    const bool accentPass = accentFolding && !numbering;
    return 1 + int(jpeRewrite) + int(accentPass);
}

RenameSettings RunConfiguration::settings(const QString &folder) const
{
    RenameSettings settings;
    settings.numbering = numbering;
    settings.caseMode = caseMode;
    settings.jpeRewrite = jpeRewrite;
    settings.accentFolding = accentFolding;
    settings.folder = DiskName::fromText(folder);
    return settings;
}

RunConfiguration RunConfiguration::numbered()
{
    return {QStringLiteral("run: numbering, case unchanged"), true, CaseMode::Unchanged, false, false};
}

RunConfiguration RunConfiguration::lowerJpeAccents()
{
    return {QStringLiteral("run: lower case, jpe, accents (3 passes)"), false, CaseMode::Lower, true, true};
}

RunConfiguration RunConfiguration::windowStart()
{
    return {QStringLiteral("window: run, numbering"), true, CaseMode::Unchanged, false, false};
}
