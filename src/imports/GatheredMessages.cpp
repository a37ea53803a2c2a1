#include "GatheredMessages.h"

#include "CustomDM.h"

GatheredMessages::GatheredMessages(TCustomDM& dm) : dm_(dm), real_(dm.Messages()) { dm_.SetMessages(this); }

GatheredMessages::~GatheredMessages() { dm_.SetMessages(&real_); }

void GatheredMessages::gather(const QString& text) {
    QString line = text;
    gathered_ << line.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

void GatheredMessages::Show(const QString& heading) {
    if (gathered_.isEmpty())
        return;
    const QStringList lines = gathered_;
    gathered_.clear();
    real_.messageStrings(heading, MessageKind::Warning, lines);
}
