"""Writes the two built-in quizzes and the empty worksheet index.

Quiz file layout (read by the program's loader): Windows-1252 text, CR LF
after every line, 72 lines: title, " ", then per question the question, four
options, the answer digit (1..4) and a " " separator. A comma inside a value
is stored as "&".
"""
import os
import sys

TITLE_MAX, QUESTION_MAX, OPTION_MAX = 25, 60, 30


def escape(text):
    if "&" in text:
        raise ValueError("'&' is reserved in quiz text: %r" % text)
    return text.replace(",", "&")


def parse(path):
    meta, questions, cur = {}, [], None
    for raw in open(path, encoding="utf-8"):
        line = raw.rstrip("\n")
        if not line.strip() or line.startswith("#"):
            continue
        if line.startswith("Q: "):
            cur = {"q": line[3:].strip(), "opts": [], "answer": None}
            questions.append(cur)
        elif line[:2] in ("* ", "- ") and cur is not None:
            if line[0] == "*":
                if cur["answer"] is not None:
                    raise ValueError("two answers: " + cur["q"])
                cur["answer"] = len(cur["opts"]) + 1
            cur["opts"].append(line[2:].strip())
        elif line.startswith("key: ") and cur is not None:
            cur["key"] = line[5:].strip()
        elif ":" in line and cur is None:
            k, v = line.split(":", 1)
            meta[k.strip()] = v.strip()
        else:
            raise ValueError("%s: cannot read %r" % (path, line))
    return meta, questions


def build(path):
    meta, questions = parse(path)
    title = escape(meta["title"])
    problems = []
    if len(title) > TITLE_MAX:
        problems.append("title too long: " + title)
    if len(questions) != 10:
        problems.append("%d questions, need 10" % len(questions))
    lines = [title, " "]
    for q in questions:
        text = escape(q["q"])
        opts = [escape(o) for o in q["opts"]]
        if len(text) > QUESTION_MAX:
            problems.append("question too long (%d): %s" % (len(text), text))
        if len(opts) != 4 or q["answer"] is None:
            problems.append("need four options and one answer: " + text)
        elif q.get("key", "").lower() not in q["opts"][q["answer"] - 1].lower():
            problems.append("key %r is not a word of the answer: %s" % (q.get("key"), text))
        for o in opts:
            if len(o) > OPTION_MAX:
                problems.append("option too long (%d): %s" % (len(o), o))
        lines += [text] + opts + [str(q["answer"]), " "]
    if problems:
        raise SystemExit("\n".join(problems))
    data = "".join(l + "\r\n" for l in lines).encode("cp1252")
    return meta["file"], data


def main(src_dir, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for name in sorted(os.listdir(src_dir)):
        if name.endswith(".txt"):
            fname, data = build(os.path.join(src_dir, name))
            with open(os.path.join(out_dir, fname), "wb") as f:
                f.write(data)
    with open(os.path.join(out_dir, "track.txt"), "wb") as f:
        f.write(b" 0 \r\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
