#pragma once
// The password in the template's "PARTEI <id> "<password>"" line. The server
// throws away every order of a faction whose orders file has no password or
// a wrong one, without a word, so saving, checking and sending warn first.
#include <QString>
#include <QStringList>
#include <optional>

namespace templatepassword {

// The index of the first line whose first word is PARTEI (any case); -1 when none.
int partyLine(const QStringList& lines);
// The password of a PARTEI line: the quoted text after the faction id, or
// the bare word there. Empty when the line has none.
QString passwordOf(const QString& partyLine);
// Whether the template names its faction with a password.
bool hasPassword(const QStringList& lines);
// The template with `password` in its PARTEI line; std::nullopt when the
// template has no PARTEI line or the line already holds that password.
std::optional<QStringList> withPassword(const QStringList& lines, const QString& password);

// The warning shown (and printed by the headless tool) before a template
// without a password is saved, checked or sent.
QString missingPasswordWarning();
// The same as a question that offers the options.
QString missingPasswordQuestion();

}  // namespace templatepassword
