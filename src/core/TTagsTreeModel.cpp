#include "TTagsTreeModel.h"

#include "TQVRDElementList.h"

#include <QHash>
#include <QSet>

#include <algorithm>

void TTagsTreeModel::BuildTagsTree(TQVRDElementList& list)
{
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
