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

QWidget* TCustomViewer::Show(QWidget* parent) {
    if (!frame_)
        frame_ = InternalCreateFrame();
    Embed(frame_, parent);
    frame_->show();
    return frame_;
}

void TCustomViewer::Hide() {
    if (frame_)
        Detach(frame_);
}

QList<QAction*> TCustomViewer::GetActionList() { return frame_ ? frame_->ActionList : QList<QAction*>(); }

void TCustomViewer::UpdateActions(QObject*) {
    if (frame_)
        frame_->UpdateActions();
}

void TCustomViewer::DestroyFrame() {
    if (frame_)
        Detach(frame_);
    InternalDestroyFrame();
    frame_.clear();
}

QWidget* TCustomNavigator::ShowNavigator(QWidget* parent) {
    if (!frame_)
        frame_ = InternalCreateFrame();
    Embed(frame_, parent);
    frame_->show();
    return frame_;
}

void TCustomNavigator::HideNavigator() {
    if (frame_)
        Detach(frame_);
}

void TCustomNavigator::DestroyFrame() {
    if (frame_)
        Detach(frame_);
    InternalDestroyFrame();
    frame_.clear();
}

ISnapin* TCustomSnapinFactory::CreateSnapin(IConsole& console) {
    if (!snapin_)
        snapin_ = NewSnapin(console);
    return snapin_.get();
}
