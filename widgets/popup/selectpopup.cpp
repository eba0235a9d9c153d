#include "selectpopup.h"

#include "core.h"
#include "imagebutton.h"
#include "listviewitem.h"
#include "palette.h"
#include "soundmanager.h"

#include <QDebug>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QPropertyAnimation>

#include <type_traits>

namespace {

// Heights of the five rows of a page, top to bottom.
const int rowHeights[] = {39, 42, 42, 42, 40};

QPixmap *copyOf(const QPixmap &pixmap)
{
    return new QPixmap(pixmap);
}

} // namespace

SelectPopupListView::SelectPopupListView(QWidget *parent)
    : ListView(parent)
{ }

SelectPopupListView::~SelectPopupListView()
{
    delete m_selectLeftPixmap;
    delete m_selectCenterPixmap;
    delete m_selectRightPixmap;
}

void SelectPopupListView::setSelectPixmap(
    const QPixmap &left, const QPixmap &center, const QPixmap &right)
{
    if (!m_selectLeftPixmap)
        m_selectLeftPixmap = copyOf(left);
    if (!m_selectCenterPixmap)
        m_selectCenterPixmap = copyOf(center);
    if (!m_selectRightPixmap)
        m_selectRightPixmap = copyOf(right);
}

void SelectPopupListView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();

    if (!backgroundPixmap().isNull())
        painter.drawPixmap(0, 5, backgroundPixmap());
    else
        painter.fillRect(QRect(0, 5, w, h), backgroundColor());

    if (itemSize() == 0 && showEmptyString()) {
        painter.drawText(QRect(0, 0, w, h), Qt::AlignHCenter | Qt::AlignVCenter, emptyString());
        return;
    }

    const int selected = selectedIdx();
    const int lineLength = w - lineLeftMargin() - lineRightMargin();
    const int rows = qMin(pageCount(), int(std::extent<decltype(rowHeights)>::value));
    int top = 5;
    for (int k = 0; k < rows && startIdx() + k < itemSize(); ++k) {
        const int idx = startIdx() + k;
        ListViewItem *row = item(idx);
        const int bottom = top + rowHeights[k];

        painter.fillRect(lineLeftMargin(), bottom - 1, lineLength, 1, WidgetPalette::separator());
        painter.fillRect(
            lineLeftMargin(), bottom, lineLength, 1, WidgetPalette::separatorHighlight());

        QRect rect(QPoint(4, top), QPoint(w - 6, bottom - 1));
        row->setGeometry(rect);
        if (k == 0 && idx == selected) {
            // The first row's highlight has rounded caps that the row's own fill would cover.
            if (m_selectCenterPixmap && m_selectCenterPixmap->width() > 0) {
                for (int x = 9; x < w - 10; x += m_selectCenterPixmap->width())
                    painter.drawPixmap(x, top - 1, *m_selectCenterPixmap);
            }
            if (m_selectLeftPixmap)
                painter.drawPixmap(4, top - 1, *m_selectLeftPixmap);
            if (m_selectRightPixmap)
                painter.drawPixmap(
                    w - 5 - m_selectRightPixmap->width(), top - 1, *m_selectRightPixmap);
            painter.fillRect(QRect(QPoint(4, top + 5), QPoint(w - 6, bottom - 1)),
                WidgetPalette::selectedBackground());
            row->setBackGroundSelectColor(Qt::transparent);
        } else {
            row->setBackGroundSelectColor(WidgetPalette::selectedBackground());
        }
        row->setFocus(hasFocus());
        row->setSelected(idx == selected);
        row->paint(&painter, rect);
        top = bottom;
    }

    if (itemSize() > pageCount()) {
        const int s = selected == -1 ? 0 : selected;
        const int n = itemSize();
        const int thumbTop
            = s == n - 1 ? h - ThumbHeight : scrollTopMargin() + ((h - ThumbHeight) / (n - 1)) * s;
        const int right = w - 1 - scrollRightMargin();
        painter.fillRect(QRect(right - (ThumbWidth - 1), thumbTop, ThumbWidth, ThumbHeight),
            WidgetPalette::scrollThumb());
    }
}

SelectPopup::SelectPopup(QWidget *parent, int type)
    : QDialog(parent, Qt::FramelessWindowHint)
    , m_type(type)
{
    setModal(true);
    setGeometry(0, 0, 480, 272);
    setAttribute(Qt::WA_TranslucentBackground);

    m_litView = new SelectPopupListView(this);
    m_litView->setGeometry(190, 30, 288, 211);
    m_litView->setAttribute(Qt::WA_TranslucentBackground);
    m_litView->setBackgroundColor(Qt::transparent);
    m_litView->setLineColor(WidgetPalette::separator());
    m_litView->setLineLeftMargin(8);
    m_litView->setLineRightMargin(9);
    m_litView->setScrollRightMargin(8);
    m_litView->setScrollTopMargin(6);
    m_litView->setScrollBottomMargin(4);
    m_litView->setStartFuncKey(Qt::Key_F6);
    m_litView->setObjectName(QStringLiteral("SelectPopup::m_litView"));
    connect(m_litView, SIGNAL(clicked(int)), this, SLOT(clickedListView(int)));
    m_litView->setSelectPixmap(QPixmap(QStringLiteral(":/ui/images/popup_press_left.png")),
        QPixmap(QStringLiteral(":/ui/images/popup_press_center.png")),
        QPixmap(QStringLiteral(":/ui/images/popup_press_right.png")));

    m_prevButton = createButton(QRect(193, 240, 93, 31), QStringLiteral("<"));
    m_prevButton->setIcon(QPixmap(QStringLiteral(":/ui/images/popup_button_arrow_left.png")), true);
    m_prevButton->setPressIcon(QPixmap(QStringLiteral(":/ui/images/menu_bar_arrow_left.png")));
    connect(m_prevButton, SIGNAL(clicked()), this, SLOT(prevButtonClicked()));

    m_nextButton = createButton(QRect(287, 240, 93, 31), QStringLiteral(">"));
    m_nextButton->setIcon(
        QPixmap(QStringLiteral(":/ui/images/popup_button_arrow_right.png")), false);
    m_nextButton->setPressIcon(QPixmap(QStringLiteral(":/ui/images/menu_bar_arrow_right.png")));
    connect(m_nextButton, SIGNAL(clicked()), this, SLOT(nextButtonClicked()));

    m_cancelButton = createButton(QRect(381, 240, 93, 31), tr("Cancel"));
    connect(m_cancelButton, SIGNAL(clicked()), this, SLOT(reject()));

    m_okButton = createButton(QRect(287, 240, 93, 31), tr("OK"));
    connect(m_okButton, SIGNAL(clicked()), this, SLOT(onClickOkButton()));
    m_okButton->hide();

    m_contentsTitleFont = font();

    m_showAnimation = new QPropertyAnimation(this, "geometry");
    m_showAnimation->setParent(nullptr);
    m_showAnimation->setEasingCurve(QEasingCurve::OutQuad);
    m_showAnimation->setDuration(ShowDurationMs);
    m_showAnimation->setStartValue(QRect(0, height(), width(), height()));
    m_showAnimation->setEndValue(QRect(0, 0, width(), height()));

    m_hideAnimation = new QPropertyAnimation(this, "geometry");
    m_hideAnimation->setParent(nullptr);
    m_hideAnimation->setEasingCurve(QEasingCurve::InQuad);
    m_hideAnimation->setDuration(HideDurationMs);
    m_hideAnimation->setStartValue(QRect(0, 0, width(), height()));
    m_hideAnimation->setEndValue(QRect(0, height(), width(), height()));

    m_alphaAnimation = new QPropertyAnimation(this, "m_AlphaValue");
    m_alphaAnimation->setParent(nullptr);
    m_alphaAnimation->setDuration(5);
    m_alphaAnimation->setStartValue(0.0f);
    m_alphaAnimation->setEndValue(90.0f);
}

SelectPopup::~SelectPopup()
{
    delete m_showAnimation;
    delete m_hideAnimation;
    delete m_alphaAnimation;
    delete m_backgroundImage;
}

ImageButton *SelectPopup::createButton(const QRect &geometry, const QString &text)
{
    QFont buttonFont = font();
    buttonFont.setPointSize(18);
    auto button = new ImageButton(this);
    button->setFont(buttonFont);
    button->setGeometry(geometry);
    button->setText(text);
    return button;
}

void SelectPopup::addListViewItem(const QString &text)
{
    auto row = new ListViewItem(text, QPixmap(), QPixmap());
    row->setTextColor(WidgetPalette::rowText());
    row->setTextSelectColor(WidgetPalette::selectedText());
    row->setBackGroundSelectColor(WidgetPalette::selectedBackground());
    m_litView->addItem(row);
}

void SelectPopup::setStartFuncKey(int key)
{
    m_litView->setStartFuncKey(key);
}

void SelectPopup::setBackgroundImage(const QPixmap &image)
{
    delete m_backgroundImage;
    m_backgroundImage = new QPixmap(image);
    QPixmapCache::clear();
    update();
}

void SelectPopup::clearBackgroundImage()
{
    delete m_backgroundImage;
    m_backgroundImage = nullptr;
}

void SelectPopup::setAlphaValue(float alpha)
{
    m_AlphaValue = alpha;
    update();
}

void SelectPopup::setContentsTitle(const QString &title)
{
    m_contentsTitle = title;
    update();
}

void SelectPopup::setContentsTitlePos(int x, int y)
{
    m_contentsTitleX = x;
    m_contentsTitleY = y;
    update();
}

void SelectPopup::setContentsTitleFont(QFont font)
{
    m_contentsTitleFont = font;
    update();
}

void SelectPopup::setUseAnimation(bool on)
{
    m_useAnimation = on;
    if (on && !QWidget::isVisible())
        move(0, height());
}

void SelectPopup::show()
{
    m_closing = false;
    QWidget::show();
    if (m_useAnimation && m_showAnimation)
        m_showAnimation->start();
}

int SelectPopup::exec()
{
    show();
    return QDialog::exec();
}

bool SelectPopup::isVisible() const
{
    return m_useAnimation ? m_closing : QWidget::isVisible();
}

void SelectPopup::slideOut(const char *after)
{
    m_showAnimation->stop();
    connect(m_hideAnimation, SIGNAL(finished()), this, after, Qt::UniqueConnection);
    m_hideAnimation->start();
}

void SelectPopup::hide()
{
    m_closing = true;
    if (animating())
        slideOut(SLOT(hideAfterAnimation()));
    else
        QWidget::hide();
}

void SelectPopup::hideAfterAnimation()
{
    m_closing = false;
    disconnect(m_hideAnimation, SIGNAL(finished()), this, SLOT(hideAfterAnimation()));
    QWidget::hide();
}

void SelectPopup::close()
{
    m_closing = true;
    if (animating())
        slideOut(SLOT(closeAfterAnimation()));
    else
        QWidget::close();
}

void SelectPopup::closeAfterAnimation()
{
    m_closing = false;
    disconnect(m_hideAnimation, SIGNAL(finished()), this, SLOT(closeAfterAnimation()));
    QWidget::close();
}

void SelectPopup::reject()
{
    m_closing = true;
    if (m_useAnimation)
        slideOut(SLOT(rejectAfterAnimation()));
    else
        QDialog::reject();
}

void SelectPopup::rejectAfterAnimation()
{
    m_closing = false;
    disconnect(m_hideAnimation, SIGNAL(finished()), this, SLOT(rejectAfterAnimation()));
    QDialog::reject();
}

void SelectPopup::accept()
{
    m_closing = true;
    if (m_useAnimation)
        slideOut(SLOT(acceptAfterAnimation()));
    else
        QDialog::accept();
}

void SelectPopup::acceptAfterAnimation()
{
    m_closing = false;
    disconnect(m_hideAnimation, SIGNAL(finished()), this, SLOT(acceptAfterAnimation()));
    QDialog::accept();
}

void SelectPopup::clickedListView(int idx)
{
    m_selectedIdx = idx;
    emit clicked(idx);
    if (idx == -1) {
        reject();
        return;
    }
    if (m_multipleCheck)
        return;
    if (!m_litView) {
        reject();
        return;
    }
    qWarning() << "SelectPopup::clickedListView idx:" << idx
               << " itemSize:" << m_litView->itemSize();
    if (idx < m_litView->itemSize())
        accept();
    else
        reject();
}

void SelectPopup::prevButtonClicked()
{
    m_litView->prevPage();
}

void SelectPopup::nextButtonClicked()
{
    if (m_multipleCheck)
        accept();
    else
        m_litView->nextPage();
}

void SelectPopup::onClickOkButton()
{
    if (m_multipleCheck)
        accept();
}

void SelectPopup::keyPressEvent(QKeyEvent *e)
{
    m_keyPressed = true;
    switch (e->key()) {
    case Qt::Key_F13:
        if (!m_prevButton->isHidden())
            m_prevButton->setHover(true);
        break;
    case Qt::Key_F14:
        if (!m_nextButton->isHidden())
            m_nextButton->setHover(true);
        break;
    case Qt::Key_F15:
    case Qt::Key_Escape:
        m_cancelButton->setHover(true);
        break;
    default:
        break;
    }
    e->accept();
}

// A release whose press came before the popup opened (the key that opened it) is not ours.
void SelectPopup::keyReleaseEvent(QKeyEvent *e)
{
    e->accept();
    if (!m_keyPressed)
        return;
    switch (e->key()) {
    case Qt::Key_F13:
        if (!m_prevButton->isHidden()) {
            m_prevButton->setHover(false);
            prevButtonClicked();
        }
        break;
    case Qt::Key_F14:
        if (!m_nextButton->isHidden()) {
            m_nextButton->setHover(false);
            nextButtonClicked();
        } else if (!m_okButton->isHidden()) {
            m_okButton->setHover(false);
            accept();
        }
        break;
    case Qt::Key_F15:
    case Qt::Key_Escape:
        m_cancelButton->setHover(false);
        clickedListView(-1);
        break;
    default:
        break;
    }
}

void SelectPopup::focusInEvent(QFocusEvent *)
{
    m_litView->setFocus(Qt::OtherFocusReason);
}

void SelectPopup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_backgroundImage && !m_backgroundImage->isNull())
        painter.drawPixmap(0, 32, *m_backgroundImage);

    const QColor dim(0, 0, 0, int(m_AlphaValue));
    if (m_useBackGroundRectVideo)
        painter.fillRect(QRect(QPoint(0, 240), QPoint(479, 271)), dim);
    else if (m_useBackGroundRect)
        painter.fillRect(QRect(0, 32, 480, 240), dim);

    if (!m_contentsTitle.isEmpty()) {
        painter.setFont(m_contentsTitleFont);
        painter.setPen(WidgetPalette::popupTitleShadow());
        painter.drawText(m_contentsTitleX + 1, m_contentsTitleY + 33, m_contentsTitle);
        painter.setPen(WidgetPalette::popupTitle());
        painter.drawText(m_contentsTitleX, m_contentsTitleY + 32, m_contentsTitle);
    }
    painter.drawPixmap(190, 31, QPixmap(QStringLiteral(":/ui/images/popup_bg_1.png")));
}

SoundSelectPopup::SoundSelectPopup(QWidget *parent, int type)
    : SelectPopup(parent, type)
{ }

void SoundSelectPopup::showEvent(QShowEvent *e)
{
    if (theCore && theCore->soundManager())
        theCore->soundManager()->setEnableKeytone(false);
    SelectPopup::showEvent(e);
}

void SoundSelectPopup::hideEvent(QHideEvent *e)
{
    if (theCore && theCore->soundManager())
        theCore->soundManager()->setEnableKeytone(true);
    SelectPopup::hideEvent(e);
}
