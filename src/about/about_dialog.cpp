#include "about/about_dialog.h"

#include "about/product_addresses.h"
#include "core/version.h"
#include "ui/designed_child.h"

#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kDescription = u"欢迎使用凡特睿(Vantrel)。\n"
                             u"凡特睿是一款文件管理/快捷启动的工具。\n"
                             u"此软件完全免费，绿色无插件。\n"
                             u"\n"
                             u"功能/特性：\n"
                             u"①添加需要快速启动的文件/程序，自定义分类。\n"
                             u"②添加需要快捷打开的网站，自定义分类。\n"
                             u"③丰富的搜索功能和一些实用查询功能。\n"
                             u"④28种系统工具，定时关机、闹钟提醒等辅助。\n"
                             u"⑤查看本机基本配置，系统信息。\n"
                             u"⑥可设置自动隐藏，可调整透明度。\n"
                             u"⑦可备份/还原数据文件，以防丢失。\n"
                             u"⑧六大皮肤任你选择。\n"
                             u"\n"
                             u"感谢一切使用过本软件的朋友们！\n"
                             u"有意见或建议，请到发布站留言，谢谢！\n"
                             u"\n"
                             u"感谢支持：每位试用者，每位提建议的朋友"_s;

// The strip down the left edge: a sky that pales towards the bottom, where the product's
// name stands, with the logo and the Chinese name above. Painted when shown, never kept.
class SidePicture : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF area = rect();
        QLinearGradient sky(area.topLeft(), area.bottomLeft());
        sky.setColorAt(0.0, QColor(0x1d, 0x4f, 0x91));
        sky.setColorAt(0.45, QColor(0x6f, 0xa8, 0xdc));
        sky.setColorAt(0.72, QColor(0xe8, 0xf2, 0xfb));
        sky.setColorAt(1.0, Qt::white);
        p.fillRect(area, sky);

        // Soft rings rising through the sky.
        p.setPen(QPen(QColor(255, 255, 255, 60), 1.5));
        p.setBrush(QColor(255, 255, 255, 22));
        const struct { qreal x, y, r; } rings[] = {
            {22, 160, 14}, {98, 196, 22}, {40, 236, 9}, {108, 262, 6}, {64, 290, 11}, {16, 208, 4},
        };
        for (const auto& ring : rings) p.drawEllipse(QPointF(ring.x, ring.y), ring.r, ring.r);

        // A wave where the sky meets the light ground of the name.
        QPainterPath wave(QPointF(0, 300));
        wave.cubicTo(40, 280, 86, 326, area.width(), 296);
        wave.lineTo(area.width(), area.height());
        wave.lineTo(0, area.height());
        wave.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawPath(wave);

        // The logo on a light plate, the Chinese name below it.
        const QRectF plate(area.width() / 2 - 36, 26, 72, 72);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawRoundedRect(plate, 14, 14);
        p.drawPixmap(plate.adjusted(8, 8, -8, -8).toRect(), QPixmap(u":/vantrel.png"_s));
        QFont name = font();
        name.setPixelSize(20);
        name.setBold(true);
        p.setFont(name);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 108, area.width(), 28), Qt::AlignCenter, u"凡 特 睿"_s);

        // A thin edge towards the text.
        p.setPen(QPen(QColor(0x1d, 0x4f, 0x91, 120), 1));
        p.drawLine(QPointF(area.right(), 0), QPointF(area.right(), area.bottom()));
    }
};

// A contact line that opens its address when clicked.
class LinkLabel : public QLabel {
public:
    LinkLabel(QWidget* parent, std::function<void()> open) : QLabel(parent), open_(std::move(open)) {
        setStyleSheet(u"color: blue; text-decoration: underline;"_s);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) open_();
    }

private:
    std::function<void()> open_;
};

QFont songti() {
    QFont font(u"宋体"_s);
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

} // namespace

AboutDialog::AboutDialog(Platform& platform)
    : QDialog(nullptr, kDialogFlags),
      platform_(platform) {
    setObjectName(u"TForm2"_s);
    setWindowTitle(u"关于凡特睿(Vantrel)"_s);
    setFixedSize(407, 420);
}

void AboutDialog::present() {
    if (!built_) {
        build();
        built_ = true;
    }
    show();
    raise();
    activateWindow();
}

void AboutDialog::build() {
    auto* picture = new SidePicture(this);
    picture->setObjectName(u"FlatImage1"_s);
    picture->setGeometry(0, 0, 129, 425);

    // The English name, split and staggered over the light foot of the picture.
    QFont georgia(u"Georgia"_s);
    georgia.setPixelSize(19);
    georgia.setBold(true);
    georgia.setItalic(true);
    const struct {
        QString name, text;
        QPoint at;
    } nameParts[] = {{u"Label1"_s, u"Van"_s, {18, 326}}, {u"Label2"_s, u"trel"_s, {54, 348}}};
    for (const auto& part : nameParts) {
        auto* label = designedChild<QLabel>(this, part.name, {part.at, QSize(64, 24)});
        label->setText(part.text);
        label->setFont(georgia);
        label->setStyleSheet(u"color: #0066cc; background: transparent;"_s);
    }

    const struct {
        QString name, text;
        QRect geometry;
    } lines[] = {
        {u"Label3"_s, u"版本:"_s + kVersion + u"     "_s, {20, 386, 104, 16}},
        {u"Label4"_s, u"版本号: "_s + kVersion + u" Build 2011.1.25     "_s, {140, 12, 260, 16}},
        {u"Label5"_s, u"开发工具: C++20 与 Qt 6"_s, {140, 32, 260, 16}},
        {u"Label6"_s, u"软件说明:     "_s, {140, 52, 260, 16}},
    };
    for (const auto& line : lines) {
        auto* label = designedChild<QLabel>(this, line.name, line.geometry);
        label->setText(line.text);
        label->setFont(songti());
    }

    auto* memo = designedChild<QPlainTextEdit>(this, u"FlatMemo1"_s, {136, 72, 265, 241});
    memo->setPlainText(kDescription);
    memo->setReadOnly(true);
    QFont memoFont = memo->font();
    memoFont.setPixelSize(11);
    memo->setFont(memoFont);
    QPalette memoColours = memo->palette();
    memoColours.setColor(QPalette::Base, palette().color(QPalette::Window));
    memoColours.setColor(QPalette::Text, Qt::black);
    memo->setPalette(memoColours);

    auto* contact = designedChild<QGroupBox>(this, u"FlatGroupBox1"_s, {136, 322, 177, 89});
    contact->setTitle(u"联系作者"_s);
    contact->setFont(memoFont);
    const auto open = [this](const QString& verb, const QString& target) {
        return [this, verb, target] {
            platform_.shell.ShellLaunch(this, verb, target, {}, ShowMode::ShowNormal);
        };
    };
    const struct {
        QString name, text;
        std::function<void()> link;
    } contacts[] = {
        {u"Label7"_s, u"作者: 凡特睿开发组"_s, {}},
        {u"Label8"_s, u"交流群: 见发布站"_s, {}},
        {u"Label9"_s, u"E-mail:"_s + kContactMail, open(u"Open"_s, u"mailto:"_s + kContactMail)},
        {u"Label10"_s, QUrl(kProductSite).host(), open({}, kProductSite)},
    };
    for (int i = 0; i < 4; ++i) {
        QLabel* label = contacts[i].link ? new LinkLabel(contact, contacts[i].link) : new QLabel(contact);
        label->setObjectName(contacts[i].name);
        label->setGeometry(4, 18 + 17 * i, 169, 16);
        label->setAlignment(Qt::AlignCenter);
        label->setText(contacts[i].text);
    }

    auto* update = designedChild<QPushButton>(this, u"Button2"_s, {324, 330, 73, 33});
    update->setText(u"版本更新"_s);
    connect(update, &QPushButton::clicked, this, &AboutDialog::updateRequested);
    auto* close = designedChild<QPushButton>(this, u"Button1"_s, {324, 374, 73, 33});
    close->setText(u"关闭"_s);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}
