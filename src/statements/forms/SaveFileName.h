#pragma once

#include <QString>

class IMessages;

// The save dialog of the treasury's files ("Izvezi XML datoteku", XML
// files) proposing `proposedName`: the path chosen, ending in ".xml", or
// empty when cancelled.
QString AskSaveXmlFileName(IMessages& messages, const QString& proposedName);
