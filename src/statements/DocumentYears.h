#pragma once

#include <QList>

class Connection;

// The years a return's year chooser offers, read from the salary documents
// rather than a fixed range, so that a new year never needs a new release.

// From the year of the first document to the year after this one (a return
// for January may be prepared in December). This year and the next without
// documents.
QList<int> YearsFromFirstDocument(Connection& connection);

// The years that have posted documents, in order; this year when none has.
QList<int> YearsWithPostedDocuments(Connection& connection);
