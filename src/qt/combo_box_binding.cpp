#include <QAbstractItemView>
#include <QComboBox>

#include "qt/kind_binding.h"
#include "ui/user.h"

namespace talvera::qt {

namespace {

class ComboBoxBinding final : public KindBinding {
  public:
    QWidget* create(const ui::Control& control, QWidget* parent) const override {
        auto* list = new QComboBox(parent);
        for (const std::string& item : control.items()) {
            list->addItem(QString::fromStdString(item));
        }
        list->setFocusPolicy(Qt::StrongFocus);
        // The open list is a window of its own: it takes the page's zoomed font and colours.
        list->view()->window()->setAttribute(Qt::WA_WindowPropagation);
        return list;
    }

    void showText(QWidget* widget, const ui::Control& control) const override {
        qobject_cast<QComboBox*>(widget)->setCurrentIndex(control.currentIndex());
    }

    // A click in the open list, the arrow keys and an assistive tool all come as a change of
    // the current item. Whatever the model refuses, the list is set back to what the model holds.
    void listen(QWidget* widget, ui::Control& control, EchoGuard& guard) const override {
        auto* list = qobject_cast<QComboBox*>(widget);
        QObject::connect(
            list, &QComboBox::currentIndexChanged, list, [this, &control, &guard, list](int index) {
                if (guard.quiet() || index == control.currentIndex()) {
                    return;
                }
                if (index < 0 || !ui::user::choose(control, list->itemText(index).toStdString())) {
                    const EchoGuard::Scope mirroring(guard);
                    showText(list, control);
                }
            });
    }
};

}  // namespace

const KindBinding& comboBoxBinding() {
    static const ComboBoxBinding binding;
    return binding;
}

}  // namespace talvera::qt
