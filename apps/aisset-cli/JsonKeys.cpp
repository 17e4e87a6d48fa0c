#include "JsonKeys.h"

#include <QSet>

#include <iterator>

namespace aisset::cli {

namespace {

// Walks a valid JSON text, looking only at its containers, strings and the
// commas of the outer object; numbers and words need no look.
class JsonWalk {
public:
    explicit JsonWalk(QByteArrayView json) : text_(json) {}

    std::optional<QStringList> repeatedKey;
    QList<JsonMember> members;

    void run()
    {
        struct Open {
            bool object;
            QSet<QString> keys;
            QString key; // this container's key in the object around it
        };
        QList<Open> open;
        QString lastKey;
        qsizetype valueStart = -1; // of the outer object's member being read
        const auto endMember = [&] {
            if (open.size() != 1 || valueStart < 0)
                return;
            members.last().value = text_.sliced(valueStart, at_ - valueStart).trimmed();
            valueStart = -1;
        };
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '{' || c == '[') {
                open.append({c == '{', {}, lastKey});
                lastKey.clear();
                ++at_;
            } else if (c == '}' || c == ']') {
                endMember();
                open.removeLast();
                ++at_;
            } else if (c == ',') {
                endMember();
                ++at_;
            } else if (c == '"') {
                const QString s = string();
                skipBlanks();
                if (open.isEmpty() || !open.constLast().object || at_ >= text_.size() || text_[at_] != ':')
                    continue;
                ++at_;
                if (open.last().keys.contains(s) && !repeatedKey) {
                    QStringList path;
                    for (auto o = std::next(open.cbegin()); o != open.cend(); ++o)
                        path.append(o->key);
                    repeatedKey = path << s;
                }
                open.last().keys.insert(s);
                lastKey = s;
                if (open.size() == 1) {
                    members.append({s, {}});
                    valueStart = at_;
                }
            } else {
                ++at_;
            }
        }
    }

private:
    void skipBlanks()
    {
        while (at_ < text_.size() && QByteArrayView(" \t\r\n").contains(text_[at_]))
            ++at_;
    }

    // The string starting at the quote under the cursor, decoded; the cursor
    // ends behind its closing quote.
    QString string()
    {
        QByteArray utf8;
        QString out;
        for (++at_; at_ < text_.size() && text_[at_] != '"'; ++at_) {
            if (text_[at_] != '\\') {
                utf8 += text_[at_];
                continue;
            }
            const char escape = text_[++at_];
            if (escape == 'u') {
                out += QString::fromUtf8(utf8);
                utf8.clear();
                out += QChar(char16_t(text_.sliced(at_ + 1, 4).toByteArray().toUShort(nullptr, 16)));
                at_ += 4;
                continue;
            }
            const qsizetype named = QByteArrayView("bfnrt").indexOf(escape);
            utf8 += named >= 0 ? "\b\f\n\r\t"[named] : escape;
        }
        ++at_;
        return out + QString::fromUtf8(utf8);
    }

    QByteArrayView text_;
    qsizetype at_ = 0;
};

} // namespace

std::optional<QStringList> firstRepeatedKey(QByteArrayView json)
{
    JsonWalk walk(json);
    walk.run();
    return walk.repeatedKey;
}

QList<JsonMember> outerMembers(QByteArrayView json)
{
    JsonWalk walk(json);
    walk.run();
    return walk.members;
}

} // namespace aisset::cli
