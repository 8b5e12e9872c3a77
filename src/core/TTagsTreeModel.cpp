#include "TTagsTreeModel.h"

#include "TQVRDElementList.h"

#include <QHash>
#include <QSet>

#include <algorithm>

void TTagsTreeModel::BuildTagsTree(TQVRDElementList& list)
{
    // The tree depends on nothing but the names and tags in list order, and building it again from the
    // same ones gives the same tree; a refresh that changed neither costs no rebuild.
    std::vector<std::pair<QString, QStringList>> input;
    input.reserve(size_t(list.Count()));
    for (int i = 0; i < list.Count(); ++i)
        input.emplace_back(list.At(i)->Name(), list.At(i)->RdpFile().Tags);
    if (m_built && input == m_lastInput) {
        list.CollectTags();
        return;
    }
    m_lastInput = std::move(input);
    m_built = true;

    const QStringList& tags = list.CollectTags();

    // Nodes whose text is no tag any more (ignoring case) go, children before their parents.
    QSet<QString> foldedTags;
    for (const QString& tag : tags)
        foldedTags.insert(tag.toCaseFolded());
    std::vector<Node*> nodes = preorder();
    for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) {
        if (!foldedTags.contains((*it)->text.toCaseFolded()))
            removeNode(*it);
    }

    // Every node by its exact text, so that a tag finds the first node in tree order that carries it.
    QHash<QString, std::vector<Node*>> byText;
    for (Node* node : preorder())
        byText[node->text].push_back(node);

    for (const QString& tag : tags) {
        if (!byText.contains(tag))
            byText[tag].push_back(appendNode(root(), tag, TagImageIndex, TagImageIndex, 0));
    }

    for (int i = 0; i < list.Count(); ++i) {
        const TQVRDElement* e = list.At(i);
        for (const QString& tag : e->RdpFile().Tags) {
            const std::vector<Node*>& candidates = byText[tag];
            Node* tagNode = *std::min_element(candidates.begin(), candidates.end(), precedes);
            Node* child = appendNode(tagNode, e->Name(), ServerImageIndex, ServerImageIndex, 0);
            if (const auto found = byText.find(e->Name()); found != byText.end())
                found->push_back(child);
        }
    }
}
