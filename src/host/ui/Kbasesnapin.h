#pragma once

#include "CustomNavigatorForm.h"
#include "CustomViewerForm.h"
#include "Kinterfaces.h"

#include <QIcon>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

// Bases of a module's snap-in objects. They keep what the module's
// constructors set and manage the frames the host shows.

class TCustomSnapin : public ISnapin {
public:
    explicit TCustomSnapin(IConsole& console) : console_(console) {}
    ~TCustomSnapin() override;

    TDataSet* GetDataSet() const override { return dataSet_; }
    QString GetDescription() const override { return description_; }
    QIcon GetImage() const override { return image_; }
    QString GetName() const override { return name_; }
    int GetSnapinType() const override { return snapinType_; }
    IViewer* GetViewer() const override { return viewer_.get(); }
    INavigable* GetNavigator() const override { return navigator_.get(); }
    IOptionsPage* GetOptionsPage() override { return nullptr; }

protected:
    IConsole& Console() const { return console_; }
    void SetDataSet(TDataSet* dataSet) { dataSet_ = dataSet; }
    void SetSnapinType(int type) { snapinType_ = type; }
    void SetName(const QString& name) { name_ = name; }
    void SetDescription(const QString& description) { description_ = description; }
    void SetImage(const QIcon& image) { image_ = image; }
    void SetViewer(std::unique_ptr<IViewer> viewer) { viewer_ = std::move(viewer); }
    void SetNavigator(std::unique_ptr<INavigable> navigator) { navigator_ = std::move(navigator); }
    // Frees viewer and navigator (and with them their frames).
    void ReleaseViews();

private:
    IConsole& console_;
    TDataSet* dataSet_ = nullptr;
    int snapinType_ = 0;
    QString name_;
    QString description_;
    QIcon image_;
    std::unique_ptr<IViewer> viewer_;
    std::unique_ptr<INavigable> navigator_;
};

// Where a viewer or navigator keeps its frame: made on the first Show and
// put into the host's container, taken out again on Hide, so that the host
// never deletes a widget whose code lives in the module.
class TFrameSlot {
public:
    QWidget* Show(QWidget* parent, const std::function<QWidget*()>& create);
    void Hide();
    // Takes the frame out of the host's window and lets the owner free it.
    void Destroy(const std::function<void()>& destroy);
    QWidget* get() const { return frame_; }

private:
    QPointer<QWidget> frame_;
};

// A viewer's frame lives from its first Show until the viewer frees it.
class TCustomViewer : public IViewer {
public:
    TCustomViewer(IConsole& console, int viewerType) : console_(console), viewerType_(viewerType) {}
    // Derived viewers free their frame in their own destructor (DestroyFrame).
    ~TCustomViewer() override = default;

    int GetViewerType() const override { return viewerType_; }
    QWidget* Show(QWidget* parent) override;
    void Hide() override;
    QList<QAction*> GetActionList() override;
    void UpdateActions(QObject* sender) override;

    TCustomViewerForm* Frame() const { return static_cast<TCustomViewerForm*>(frame_.get()); }

protected:
    IConsole& Console() const { return console_; }
    virtual TCustomViewerForm* InternalCreateFrame() = 0;
    virtual void InternalDestroyFrame() = 0;
    void DestroyFrame();

private:
    IConsole& console_;
    int viewerType_;
    TFrameSlot frame_;
};

class TCustomNavigator : public INavigable {
public:
    explicit TCustomNavigator(IConsole& console) : console_(console) {}
    ~TCustomNavigator() override = default;

    QWidget* ShowNavigator(QWidget* parent) override;
    void HideNavigator() override;

    TCustomNavigatorForm* Frame() const { return static_cast<TCustomNavigatorForm*>(frame_.get()); }

protected:
    IConsole& Console() const { return console_; }
    virtual TCustomNavigatorForm* InternalCreateFrame() = 0;
    virtual void InternalDestroyFrame() = 0;
    void DestroyFrame();

private:
    IConsole& console_;
    TFrameSlot frame_;
};

// Creates the module's one snap-in on the first request and keeps it.
class TCustomSnapinFactory : public ISnapinFactory {
public:
    ~TCustomSnapinFactory() override = default;
    ISnapin* CreateSnapin(IConsole& console) override;
    ISnapin* Snapin() const { return snapin_.get(); }

protected:
    virtual std::unique_ptr<ISnapin> NewSnapin(IConsole& console) = 0;
    // Frees the snap-in (and its frames) before the module's data goes away.
    void ReleaseSnapin() { snapin_.reset(); }

private:
    std::unique_ptr<ISnapin> snapin_;
};
