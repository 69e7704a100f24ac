#pragma once

#include "CaptionBinding.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include <memory>

namespace quillan {

// A label or picture shown by a QLabel, whose left click is the control's Click.
template <class C> class ClickableLabelBinding : public CaptionBinding {
  public:
    ClickableLabelBinding(C& control, QLabel& label)
        : CaptionBinding(control, label, [&label](const QString& text) { label.setText(text); }),
          m_filter(std::make_unique<Filter>(
              [this, &control] { user([&control] { control.userClick(); }, Property::Enabled); })) {
        label.installEventFilter(m_filter.get());
    }

  private:
    class Filter : public QObject {
      public:
        explicit Filter(std::function<void()> click) : m_click(std::move(click)) {}
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::MouseButtonRelease &&
                static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                m_click();
            return QObject::eventFilter(watched, event);
        }

      private:
        std::function<void()> m_click;
    };

    std::unique_ptr<Filter> m_filter;
};

} // namespace quillan
