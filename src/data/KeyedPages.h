#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <algorithm>
#include <functional>
#include <optional>

// The rows of a table in ascending key, reached by position but read a page at a time by key, the way a list
// or grid over a large table asks for them.
//
// A page is read next to a page already at hand ("the rows after key k"), or counted from the nearer end of
// the table or the nearest page at hand, so reaching the last rows never walks the rows before them. Only a
// bounded number of pages is kept, so memory does not grow with the table.
template <class Row> class KeyedPages {
  public:
    // What to read: `limit` rows in ascending key after `bound` (or from the first row when there is no
    // bound), or, when `descending`, in descending key before `bound` (or from the last row); in both cases
    // after skipping `skip` rows.
    struct Request {
        std::optional<qint64> bound;
        bool descending = false;
        qint64 skip = 0;
        qint64 limit = 0;
    };
    using Fetch = std::function<std::optional<QList<Row>>(const Request&)>;
    using KeyOf = std::function<qint64(const Row&)>;

    KeyedPages(qint64 rows, int pageSize, int pagesKept, Fetch fetch, KeyOf keyOf)
        : rows_(rows), pageSize_(pageSize), pagesKept_(pagesKept), fetch_(std::move(fetch)), keyOf_(std::move(keyOf)) {}

    qint64 rowCount() const { return rows_; }
    int pagesRead() const { return pagesRead_; }

    // The row at a position, read with its page if need be; null when it cannot be read.
    const Row* at(qint64 position) {
        const QList<Row>* rows = page(position);
        const qint64 at = position % pageSize_;
        return rows && at < rows->size() ? &rows->at(at) : nullptr;
    }

    // Pages that could not be read are not asked for again until this is called, so that a locked file does
    // not make every repaint wait for it.
    void retryFailed() { failed_.clear(); }

    // A row whose key is above every other was added: it becomes the last position.
    void append(const Row& row) {
        const qint64 number = rows_ / pageSize_;
        ++rows_;
        auto last = pages_.find(number);
        if (last != pages_.end()) {
            last->append(row);
        }
    }

    // The row at a position is gone: later rows move up one place. The pages at hand from its page on, as far
    // as they follow one another, pass their first row back to the page before; a page that is left a row
    // short (other than the table's last) and the pages beyond a gap are let go, to be read again by key.
    void removeAt(qint64 position) {
        if (position < 0 || position >= rows_) {
            return;
        }
        --rows_;
        const qint64 from = position / pageSize_;
        const qint64 lastPage = rows_ > 0 ? (rows_ - 1) / pageSize_ : -1;
        qint64 number = from;
        auto page = pages_.find(number);
        if (page != pages_.end()) {
            if (position % pageSize_ < page->size()) {
                page->removeAt(position % pageSize_);
            }
            for (auto next = pages_.find(number + 1); next != pages_.end() && !next->isEmpty();
                 next = pages_.find(number + 1)) {
                page->append(next->takeFirst());
                ++number;
                page = next;
            }
            if (number != lastPage || page->size() != rows_ - number * pageSize_) {
                forget(number);
            }
            ++number;
        }
        for (auto it = pages_.begin(); it != pages_.end();) {
            if (it.key() >= number && it.key() >= from) {
                order_.removeOne(it.key());
                it = pages_.erase(it);
            } else {
                ++it;
            }
        }
    }

    // The position of the row with a key, when its page is at hand.
    std::optional<qint64> positionOfKey(qint64 key) const {
        for (auto it = pages_.constBegin(); it != pages_.constEnd(); ++it) {
            for (qsizetype at = 0; at < it->size(); ++at) {
                if (keyOf_(it->at(at)) == key) {
                    return it.key() * pageSize_ + at;
                }
            }
        }
        return std::nullopt;
    }

    // The row at a position, changed in place with its key unchanged.
    void replaceAt(qint64 position, const Row& row) {
        auto found = pages_.find(position / pageSize_);
        if (found != pages_.end() && position % pageSize_ < found->size()) {
            (*found)[position % pageSize_] = row;
        }
    }

  private:
    void forget(qint64 number) {
        pages_.remove(number);
        order_.removeOne(number);
    }

    const QList<Row>* page(qint64 position) {
        if (position < 0 || position >= rows_) {
            return nullptr;
        }
        const qint64 number = position / pageSize_;
        auto found = pages_.constFind(number);
        if (found != pages_.constEnd()) {
            return &found.value();
        }
        if (failed_.contains(number)) {
            return nullptr;
        }
        const qint64 first = number * pageSize_;
        const qint64 size = std::min<qint64>(pageSize_, rows_ - first);
        const Request request = nearestWay(number, first, size);
        std::optional<QList<Row>> rows = fetch_(request);
        if (!rows) {
            failed_.insert(number);
            return nullptr;
        }
        if (request.descending) {
            std::reverse(rows->begin(), rows->end());
        }
        ++pagesRead_;
        if (order_.size() >= pagesKept_) {
            pages_.remove(order_.takeFirst());
        }
        order_.append(number);
        return &pages_.insert(number, std::move(*rows)).value();
    }

    // The cheapest way to a page: from the page before or after it when at hand, otherwise counting from the
    // nearer of the table's two ends and the pages at hand.
    Request nearestWay(qint64 number, qint64 first, qint64 size) const {
        const qint64 after = first + size; // the position just past the page
        Request best;
        best.limit = size;
        best.skip = first; // from the first row
        if (rows_ - after < best.skip) {
            best.descending = true;
            best.skip = rows_ - after; // back from the last row
        }
        for (auto it = pages_.constBegin(); it != pages_.constEnd(); ++it) {
            if (it->isEmpty()) {
                continue;
            }
            const qint64 start = it.key() * pageSize_;
            if (it.key() < number) {
                const qint64 skip = first - (start + it->size());
                if (skip >= 0 && skip < best.skip) {
                    best = {keyOf_(it->last()), false, skip, size};
                }
            } else {
                const qint64 skip = start - after;
                if (skip >= 0 && skip < best.skip) {
                    best = {keyOf_(it->first()), true, skip, size};
                }
            }
        }
        return best;
    }

    qint64 rows_;
    int pageSize_;
    int pagesKept_;
    Fetch fetch_;
    KeyOf keyOf_;
    QHash<qint64, QList<Row>> pages_;
    QList<qint64> order_; // oldest first
    QSet<qint64> failed_;
    int pagesRead_ = 0;
};
