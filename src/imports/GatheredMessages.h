#pragma once

#include "Messages.h"

#include <QStringList>

class TCustomDM;

// While an import calculates hundreds of lines, the refusals of the line
// calculation (hours above the month's fund, say) are gathered and shown
// once at the end, under one heading, instead of one dialog per line.
// Questions still reach the user as they are asked.
class GatheredMessages : public IMessages {
public:
    // Stands in for the data module's messages until destroyed.
    explicit GatheredMessages(TCustomDM& dm);
    ~GatheredMessages() override;
    GatheredMessages(const GatheredMessages&) = delete;
    GatheredMessages& operator=(const GatheredMessages&) = delete;

    // Shows what was gathered (nothing when nothing was).
    void Show(const QString& heading);

    void error(const QString& text) override { gather(text); }
    void warning(const QString& text) override { gather(text); }
    void information(const QString& text) override { real_.information(text); }
    bool confirm(const QString& text) override { return real_.confirm(text); }
    DialogAnswer confirmCancel(const QString& text) override { return real_.confirmCancel(text); }
    bool inputLine(const QString& caption, const QString& prompt, QString& value) override {
        return real_.inputLine(caption, prompt, value);
    }
    bool getDate(QDate& date) override { return real_.getDate(date); }
    bool getFileName(FileDialogKind kind, const QString& caption, const QString& filter, QString& fileName) override {
        return real_.getFileName(kind, caption, filter, fileName);
    }
    void messageStrings(const QString& text, MessageKind kind, const QStringList& lines) override {
        real_.messageStrings(text, kind, lines);
    }
    int changeOptions(const QString& text) override { return real_.changeOptions(text); }

private:
    void gather(const QString& text);

    TCustomDM& dm_;
    IMessages& real_;
    QStringList gathered_;
};
