#include "ui/widgets/AccessibleNames.h"

#include "model/TextMark.h"
#include "ui/text/Language.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QWidget>

namespace aisset::ui {

namespace {

struct AccessibleText {
    const char *objectName;
    const char16_t *name;
    const char16_t *description; // pictures only
};

// Every widget that shows no caption naming it. The pictures carry their
// drawings' titles.
constexpr AccessibleText kTexts[] = {
    {"Tab1", AISSET_TEXT("Accessible", "页面"), nullptr},
    {"SBar1_Panel1", AISSET_TEXT("Accessible", "通讯口状态"), nullptr},
    {"SBar1_Panel2", AISSET_TEXT("Accessible", "设置结果"), nullptr},
    {"SkinLabel2_0", AISSET_TEXT("Accessible", "通讯口状态"), nullptr},
    {"SkinLabel2_1", AISSET_TEXT("Accessible", "设置结果"), nullptr},
    {"SearchProgress", AISSET_TEXT("Accessible", "查找设备"), nullptr},
    {"Image1", AISSET_TEXT("Accessible", "AIS 天线位置 A/B/C/D"),
     AISSET_TEXT("Accessible", "天线到船首的距离 A、到船尾 B、到左舷 C、到右舷 D；A+B = 船长，C+D = 船宽")},
    {"Image4", AISSET_TEXT("Accessible", "使用说明"),
     AISSET_TEXT("Accessible", "四步：连接避碰仪，填写“本船资料设置”，写入避碰仪，调用以前的船资料")},
    {"Image5", AISSET_TEXT("Accessible", "电脑与 AIS 避碰仪的连接"),
     AISSET_TEXT("Accessible",
                 "串口线或 USB 转串口适配器接避碰仪的数据口；通讯参数 38400, 8, N, 1；DB9 针脚 2 RXD、3 TXD、5 GND")},
    {"List3", AISSET_TEXT("Accessible", "发出的指令集"), nullptr},
    {"Text2", AISSET_TEXT("Accessible", "指令"), nullptr},
    {"Text6", AISSET_TEXT("Accessible", "收到的数据"), nullptr},
    {"HistoryTable", AISSET_TEXT("Accessible", "历史记录"), nullptr},
};

// A choice list read by its name, its entry being its value. (Qt's own reading
// of a combo box on Linux gives the shown entry as its name, and no name at all
// to a list that shows none.)
class ChoiceListInterface : public QAccessibleWidget {
public:
    explicit ChoiceListInterface(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The list of entries, as Qt's own reading has it: the chosen entry is its selection.
    int childCount() const override { return list()->view() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && list()->view() ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

// The window's choice lists and pictures; everything else as Qt reads it. A
// picture is a widget that paints itself: screen readers call it an image.
QAccessibleInterface *windowInterface(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("aisset::ui::SvgPicture"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    if (className == QLatin1String("aisset::ui::ChoiceBox") || className == QLatin1String("aisset::ui::PortBox"))
        return new ChoiceListInterface(static_cast<QComboBox *>(object));
    return nullptr;
}

} // namespace

void nameWidgets(QWidget &root)
{
    for (const AccessibleText &text : kTexts) {
        const QString name = QString::fromLatin1(text.objectName);
        QList<QWidget *> found = root.findChildren<QWidget *>(name);
        if (root.objectName() == name)
            found.append(&root);
        for (QWidget *w : found) {
            w->setAccessibleName(text::translate("Accessible", text.name));
            if (text.description)
                w->setAccessibleDescription(text::translate("Accessible", text.description));
        }
    }
}

void labelField(QLabel &caption, QWidget &field)
{
    caption.setBuddy(&field);
    field.setAccessibleName(caption.text());
}

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(windowInterface);
        return true;
    }();
    (void)installed;
}

} // namespace aisset::ui
