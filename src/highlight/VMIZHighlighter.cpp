#include "VMIZHighlighter.h"

#include "VURStrings.h"

TVMIZHighlighter::TVMIZHighlighter(QObject *parent)
    : TZOKHighlighter(parent)
{
    InitScanner();
}

const QStringList &TVMIZHighlighter::MizarReservedWords()
{
    static const QStringList words = {
        QStringLiteral("and"), QStringLiteral("antonym"), QStringLiteral("as"), QStringLiteral("assume"),
        QStringLiteral("asymmetry"), QStringLiteral("attr"), QStringLiteral("be"), QStringLiteral("begin"),
        QStringLiteral("being"), QStringLiteral("by"), QStringLiteral("canceled"), QStringLiteral("case"),
        QStringLiteral("cases"), QStringLiteral("cluster"), QStringLiteral("coherence"),
        QStringLiteral("commutativity"), QStringLiteral("compatibility"), QStringLiteral("connectedness"),
        QStringLiteral("consider"), QStringLiteral("consistency"), QStringLiteral("constructors"),
        QStringLiteral("contradiction"), QStringLiteral("correctness"), QStringLiteral("def"),
        QStringLiteral("deffunc"), QStringLiteral("definition"), QStringLiteral("definitions"),
        QStringLiteral("defpred"), QStringLiteral("end"), QStringLiteral("environ"), QStringLiteral("equals"),
        QStringLiteral("ex"), QStringLiteral("existence"), QStringLiteral("for"), QStringLiteral("from"),
        QStringLiteral("func"), QStringLiteral("given"), QStringLiteral("hence"), QStringLiteral("hereby"),
        QStringLiteral("holds"), QStringLiteral("idempotence"), QStringLiteral("identify"), QStringLiteral("if"),
        QStringLiteral("iff"), QStringLiteral("implies"), QStringLiteral("involutiveness"),
        QStringLiteral("irreflexivity"), QStringLiteral("is"), QStringLiteral("it"), QStringLiteral("let"),
        QStringLiteral("means"), QStringLiteral("mode"), QStringLiteral("non"), QStringLiteral("not"),
        QStringLiteral("notation"), QStringLiteral("notations"), QStringLiteral("now"), QStringLiteral("of"),
        QStringLiteral("or"), QStringLiteral("otherwise"), QStringLiteral("over"), QStringLiteral("per"),
        QStringLiteral("pred"), QStringLiteral("projectivity"), QStringLiteral("proof"), QStringLiteral("@proof"),
        QStringLiteral("provided"), QStringLiteral("qua"), QStringLiteral("reconsider"), QStringLiteral("redefine"),
        QStringLiteral("reflexivity"), QStringLiteral("registration"), QStringLiteral("registrations"),
        QStringLiteral("requirements"), QStringLiteral("reserve"), QStringLiteral("sch"), QStringLiteral("scheme"),
        QStringLiteral("schemes"), QStringLiteral("set"), QStringLiteral("st"), QStringLiteral("struct"),
        QStringLiteral("such"), QStringLiteral("suppose"), QStringLiteral("symmetry"), QStringLiteral("synonym"),
        QStringLiteral("take"), QStringLiteral("that"), QStringLiteral("the"), QStringLiteral("then"),
        QStringLiteral("theorem"), QStringLiteral("theorems"), QStringLiteral("thesis"), QStringLiteral("thus"),
        QStringLiteral("uniqueness"), QStringLiteral("vocabularies"), QStringLiteral("when"),
        QStringLiteral("where"), QStringLiteral("with"),
    };
    return words;
}

void TVMIZHighlighter::FillKeywords()
{
    for (const QString &word : MizarReservedWords())
        AddKeyword(word);
}

QString TVMIZHighlighter::GetSampleText() const
{
    // "~" is one indentation step; line 11's "*" falls under line 10's ";".
    static const QString sample = QStringLiteral(
        ":: The n-th power of a language:\r\n"
        "\r\n"
        "definition\r\n"
        "~let L be Language, n be Nat;\r\n"
        "~func L |^ n -> Language means :DefPower:\r\n"
        "~~ex P being FinSequence st len P = n + 1 &\r\n"
        "~~~P.1 = {{}} & it = P.(n + 1) &\r\n"
        "~~~for i being Nat st 1 <= i & i <= n holds\r\n"
        "~~~P.(i + 1) = (P.i) ^^ L;\r\n"
        "~correctness;\r\n"
        "::>~        *4,4\r\n"
        "end;\r\n"
        "\r\n"
        "::>\r\n"
        "::> 4: This inference is not accepted");
    return sample;
}

bool TVMIZHighlighter::IsIssueLine(QStringView line) const
{
    return line.startsWith(u"::>");
}

bool TVMIZHighlighter::IsIssueMarkLine(QStringView line) const
{
    if (!line.startsWith(u"::>"))
        return false;
    if (line.mid(2).contains(u':'))
        return false;
    return VURStrings::TrimControls(line) != u"::>";
}
