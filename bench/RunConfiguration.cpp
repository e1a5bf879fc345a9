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
    return {QStringLiteral("numbering, case unchanged"), true, CaseMode::Unchanged, false, false, 1.15};
}

RunConfiguration RunConfiguration::lower()
{
    return {QStringLiteral("lower case"), false, CaseMode::Lower, false, false};
}

RunConfiguration RunConfiguration::lowerAccents()
{
    return {QStringLiteral("lower case, accents (2 passes)"), false, CaseMode::Lower, false, true};
}

RunConfiguration RunConfiguration::lowerJpeAccents()
{
    return {QStringLiteral("lower case, jpe, accents (3 passes)"), false, CaseMode::Lower, true, true, 1.3};
}

RunConfiguration RunConfiguration::windowStart()
{
    return {QStringLiteral("numbering"), true, CaseMode::Unchanged, false, false, 1.3};
}
