#include "qt/entry_search.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>

#include "qt/cp1252.h"

namespace gs::qt {

namespace {

class EntrySearch : public QObject {
public:
    EntrySearch(QComboBox* combo, ComboBox& list) : QObject(combo), combo_(combo), edit_(combo->lineEdit()), list_(list) {
        QObject::connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) { offer(text); });
        // Enter reaches the offers' list while it is open, the box otherwise.
        combo->installEventFilter(this);
        edit_->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            // Leaving the box (not for a list of its own) drops what was typed.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) showSelected();
            return false;
        }
        if (event->type() != QEvent::KeyPress || watched == edit_) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        if (completer_ && watched == completer_->popup()) {
            QAbstractItemView* offers = completer_->popup();
            const QModelIndex highlighted = offers->currentIndex();
            offers->hide();
            pick(highlighted.isValid() ? highlighted : completer_->completionModel()->index(0, 0));
            return true;
        }
        // The list closed (Escape): Enter still picks the first offer. The
        // selected entry's own name offers nothing.
        if (edit_->text() == fromCp1252(list_.text())) return false;
        setPrefix(edit_->text());
        if (!edit_->text().isEmpty() && completer()->completionCount() > 0)
            pick(completer()->completionModel()->index(0, 0));
        else
            showSelected();
        return true;
    }

private:
    // The offers and their list, made when the user first searches: most
    // starts never search, and the list would be built before the window shows.
    QCompleter* completer() {
        if (completer_) return completer_;
        names_ = new QStringListModel(this);
        completer_ = new QCompleter(names_, this);
        completer_->setFilterMode(Qt::MatchContains);
        completer_->setCaseSensitivity(Qt::CaseInsensitive);
        completer_->setCompletionMode(QCompleter::PopupCompletion);
        completer_->setMaxVisibleItems(combo_->maxVisibleItems());
        // The box keeps the keyboard focus and hands keys to its edit field.
        completer_->setWidget(combo_);
        QObject::connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
                         [this](const QModelIndex& offered) { pick(offered); });
        completer_->popup()->installEventFilter(this);
        // This search sees the box's events before the offers do, as it did
        // before they existed.
        combo_->installEventFilter(this);
        return completer_;
    }

    // The offers come from the list control's current entries, which Apply
    // Filters may have replaced since the last search.
    void setPrefix(const QString& text) {
        QCompleter* offers = completer();
        if (shown_ != list_.items()) {
            shown_ = list_.items();
            QStringList names;
            names.reserve(static_cast<qsizetype>(shown_.size()));
            for (const std::string& item : shown_) names << fromCp1252(item);
            names_->setStringList(names);
        }
        offers->setCompletionPrefix(text);
    }

    void offer(const QString& text) {
        setPrefix(text);
        if (text.isEmpty() || completer_->completionCount() == 0) {
            completer_->popup()->hide();
            return;
        }
        completer_->popup()->setFont(completer_->widget()->font());  // the offers look like the drop-down's
        completer_->complete();
    }

    void pick(const QModelIndex& offered) {
        if (!offered.isValid()) return;
        const int row = static_cast<QAbstractProxyModel*>(completer_->completionModel())->mapToSource(offered).row();
        if (row < 0 || row >= list_.listCount()) return;
        list_.setListIndex(row);
        // The view keeps the typed text when the entry was selected already.
        const QString name = fromCp1252(list_.item(row));
        if (edit_->text() != name) edit_->setText(name);
    }

    // The box shows the entry the list has selected, whose unit the window shows.
    void showSelected() {
        if (completer_) completer_->popup()->hide();
        const QString name = fromCp1252(list_.text());
        if (edit_->text() != name) edit_->setText(name);
    }

    QComboBox* combo_;
    QLineEdit* edit_;
    ComboBox& list_;
    QStringListModel* names_ = nullptr;
    QCompleter* completer_ = nullptr;
    std::vector<std::string> shown_;
};

}  // namespace

void addEntrySearch(QComboBox* combo, ComboBox& list) {
    if (combo->lineEdit()) new EntrySearch(combo, list);
}

}  // namespace gs::qt
