#include "Kbasesnapin.h"

#include "CustomNavigatorForm.h"
#include "CustomViewerForm.h"

#include <QLayout>

namespace {

// Puts a module's frame into the host's container, filling it.
void Embed(QWidget* frame, QWidget* parent) {
    if (!parent)
        return;
    frame->setParent(parent);
    if (QLayout* layout = parent->layout(); layout && layout->indexOf(frame) < 0)
        layout->addWidget(frame);
}

// Takes a frame out of the host's window again.
void Detach(QWidget* frame) {
    frame->hide();
    if (QWidget* parent = frame->parentWidget(); parent && parent->layout())
        parent->layout()->removeWidget(frame);
    frame->setParent(nullptr);
}

}  // namespace

TCustomSnapin::~TCustomSnapin() { ReleaseViews(); }

void TCustomSnapin::ReleaseViews() {
    viewer_.reset();
    navigator_.reset();
}

QWidget* TFrameSlot::Show(QWidget* parent, const std::function<QWidget*()>& create) {
    if (!frame_)
        frame_ = create();
    Embed(frame_, parent);
    frame_->show();
    return frame_;
}

void TFrameSlot::Hide() {
    if (frame_)
        Detach(frame_);
}

void TFrameSlot::Destroy(const std::function<void()>& destroy) {
    Hide();
    destroy();
    frame_.clear();
}

QWidget* TCustomViewer::Show(QWidget* parent) {
    return frame_.Show(parent, [this] { return InternalCreateFrame(); });
}

void TCustomViewer::Hide() { frame_.Hide(); }

QList<QAction*> TCustomViewer::GetActionList() { return Frame() ? Frame()->ActionList : QList<QAction*>(); }

void TCustomViewer::UpdateActions(QObject*) {
    if (Frame())
        Frame()->UpdateActions();
}

void TCustomViewer::DestroyFrame() {
    frame_.Destroy([this] { InternalDestroyFrame(); });
}

QWidget* TCustomNavigator::ShowNavigator(QWidget* parent) {
    return frame_.Show(parent, [this] { return InternalCreateFrame(); });
}

void TCustomNavigator::HideNavigator() { frame_.Hide(); }

void TCustomNavigator::DestroyFrame() {
    frame_.Destroy([this] { InternalDestroyFrame(); });
}

ISnapin* TCustomSnapinFactory::CreateSnapin(IConsole& console) {
    if (!snapin_)
        snapin_ = NewSnapin(console);
    return snapin_.get();
}
