#include "SalarySnapin.h"

#include "Messages.h"
#include "SalaryDM.h"
#include "SalaryNavigatorUnit.h"
#include "SalaryOptionsTabUnit.h"
#include "SalaryResourceString.h"
#include "SalaryViewerUnit.h"
#include "db/DbError.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace {

// The module's picture in the host's lists: a green tile with a "Z".
QIcon SalaryImage() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x2e, 0x7d, 0x32));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("Z"));
    painter.end();
    return QIcon(pixmap);
}

}  // namespace

TSalarySnapin::TSalarySnapin(IConsole& console, TSalaryDM& dm) : TCustomSnapin(console), dm_(dm) {
    SetDataSet(dm.SalaryZQ);
    SetSnapinType(SnapinType);
    SetName(QString::fromUtf8(_SAL_NAME));
    SetDescription(QString::fromUtf8(_SAL_DESCR));
    SetImage(SalaryImage());
    SetViewer(std::make_unique<TSalaryViewer>(console, dm));
    SetNavigator(std::make_unique<TSalaryNavigator>(console, dm));
}

TSalarySnapin::~TSalarySnapin() {
    DestroyFrame();
    ReleaseViews();
}

QWidget* TSalarySnapin::CreateFrame() {
    optionsFrame_ = new TSalaryOptionsTabFrame(dm_);
    if (IViewer* viewer = GetViewer())
        viewer->UpdateActions(nullptr);
    try {
        optionsFrame_->OptionsToControls();
    } catch (const EDatabaseError& error) {
        Console().Messages().error(error.message());
    }
    return optionsFrame_;
}

void TSalarySnapin::DestroyFrame() {
    delete optionsFrame_.data();
    optionsFrame_.clear();
}

void TSalarySnapin::Update() {
    if (!optionsFrame_)
        return;
    try {
        optionsFrame_->ControlsToOptions();
    } catch (const EDatabaseError& error) {
        Console().Messages().error(error.message());
    }
}

QString TSalarySnapin::GetTabCaption() { return QString::fromUtf8(_SAL_NAME); }

TSalarySnapinFactory::TSalarySnapinFactory(TSalaryDM& dm, IConsole*& globalConsole)
    : dm_(dm), globalConsole_(globalConsole) {}

TSalarySnapinFactory::~TSalarySnapinFactory() { ReleaseSnapin(); }

ISnapin* TSalarySnapinFactory::CreateSnapin(IConsole& console) {
    globalConsole_ = &console;
    dm_.SetMessages(&console.Messages());
    return TCustomSnapinFactory::CreateSnapin(console);
}

std::unique_ptr<ISnapin> TSalarySnapinFactory::NewSnapin(IConsole& console) {
    return std::make_unique<TSalarySnapin>(console, dm_);
}
