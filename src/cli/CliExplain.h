#pragma once

#include <QStringList>

class CliSession;
struct CliContext;

// Why a line has its amounts, and what changed since an earlier document.

// `line explain`: the trace of the current line, as text or JSON.
int LineExplain(CliSession& session, const CliContext& context, QStringList args);
// `document compare`: the comparison of the open document `id` with an earlier one.
int DocumentCompare(CliSession& session, const CliContext& context, qint64 id, QStringList args);
