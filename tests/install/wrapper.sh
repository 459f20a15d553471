#!/bin/sh
# Runs one case of the installed wrapper. A copy of it lies in a fresh tree beside the
# installed table and a stub Lirandel that records the folder it was started in, its
# arguments and its process id, and exits with 7: the window must replace the wrapper's
# process and its status must reach the desktop.
# Usage: wrapper.sh PREFIX_DIR WORK_DIR CASE
set -eu
prefix=$1 work=$2 case=$3

rm -rf -- "$work"
mkdir -p -- "$work/tree/bin" "$work/tree/share/lirandel" "$work/record"
cp -- "$prefix/bin/lirandel" "$work/tree/bin/lirandel"
shipped=$work/tree/share/lirandel/data.txt
cp -- "$prefix/share/lirandel/data.txt" "$shipped"
cat > "$work/tree/bin/Lirandel" <<STUB
#!/bin/sh
pwd > "$work/record/folder"
printf '[%s]' "\$@" > "$work/record/arguments"
echo \$\$ > "$work/record/process"
exit 7
STUB
chmod +x "$work/tree/bin/Lirandel"
wrapper=$work/tree/bin/lirandel

fail() { echo "FAIL ($case): $1"; [ ! -s "$work/stderr" ] || sed 's/^/  stderr: /' "$work/stderr"; exit 1; }

# Runs the wrapper from an unrelated folder with the environment given as arguments.
run() {
    mkdir -p "$work/elsewhere"
    status=0
    (
        cd "$work/elsewhere"
        env -u XDG_DATA_HOME "$@" "$wrapper" -style fusion 'two words' '' 2> "$work/stderr" &
        echo $! > "$work/wrapper-process"
        wait $!
    ) || status=$?
}

expect_started_in() {
    [ "$status" -eq 7 ] || fail "exit status $status, not the window's 7"
    [ -f "$work/record/folder" ] || fail "Lirandel was not started"
    [ "$(cat "$work/record/folder")" = "$1" ] || fail "Lirandel started in $(cat "$work/record/folder"), not $1"
    [ "$(cat "$work/record/arguments")" = '[-style][fusion][two words][]' ] ||
        fail "Lirandel got the arguments $(cat "$work/record/arguments")"
    cmp -s "$work/wrapper-process" "$work/record/process" || fail "Lirandel runs beside the wrapper, not in its place"
    [ ! -e "$1/data.txt.new" ] || fail "the copy's temporary file was left behind"
}

expect_failure() {
    [ "$status" -ne 0 ] || fail "the wrapper succeeded"
    [ ! -e "$work/record/folder" ] || fail "Lirandel was started anyway"
    grep -q "^lirandel: $1" "$work/stderr" || fail "stderr does not say \"lirandel: $1\""
}

case $case in
first-start)
    run XDG_DATA_HOME="$work/data" HOME="$work/home"
    expect_started_in "$work/data/lirandel"
    cmp "$shipped" "$work/data/lirandel/data.txt" || fail "the shipped table was not copied"
    [ ! -e "$work/home/.local" ] || fail "HOME was used although XDG_DATA_HOME is set"
    ;;
user-table-kept)
    mkdir -p "$work/data/lirandel"
    # CR LF, a byte that is not UTF-8, Ctrl-Z and no final line feed: nothing may be rewritten.
    printf 'ang1 mine\r\nzz2 \377\032tail' > "$work/data/lirandel/data.txt"
    cp "$work/data/lirandel/data.txt" "$work/user-table"
    run XDG_DATA_HOME="$work/data" HOME="$work/home"
    expect_started_in "$work/data/lirandel"
    cmp "$work/user-table" "$work/data/lirandel/data.txt" || fail "the user's table was changed"
    ;;
broken-link-kept)
    mkdir -p "$work/data/lirandel"
    ln -s "$work/nowhere/table.txt" "$work/data/lirandel/data.txt"
    run XDG_DATA_HOME="$work/data" HOME="$work/home"
    expect_started_in "$work/data/lirandel"
    [ -L "$work/data/lirandel/data.txt" ] && [ ! -e "$work/nowhere" ] ||
        fail "the user's link was replaced or written through"
    ;;
home-default)
    run HOME="$work/home"
    expect_started_in "$work/home/.local/share/lirandel"
    cmp "$shipped" "$work/home/.local/share/lirandel/data.txt" || fail "the shipped table was not copied"
    ;;
relative-data-home-ignored)
    run XDG_DATA_HOME=relative HOME="$work/home"
    expect_started_in "$work/home/.local/share/lirandel"
    [ ! -e "$work/elsewhere/relative" ] || fail "a folder was made relative to the current folder"
    ;;
started-through-link)
    mkdir -p "$work/links"
    ln -s "$wrapper" "$work/links/lirandel"
    wrapper=$work/links/lirandel
    run XDG_DATA_HOME="$work/data" HOME="$work/home"
    expect_started_in "$work/data/lirandel"
    ;;
folder-cannot-be-made)
    : > "$work/data"
    run XDG_DATA_HOME="$work/data" HOME="$work/home"
    expect_failure "cannot make the working folder $work/data/lirandel"
    ;;
table-missing)
    rm -- "$shipped"
    run XDG_DATA_HOME="$work/data" HOME="$work/home"
    expect_failure "the shipped rhyme table .*/share/lirandel/data.txt is missing"
    [ ! -e "$work/data/lirandel/data.txt" ] || fail "a data.txt was made without a table to copy"
    ;;
*)
    echo "unknown case $case"
    exit 2
    ;;
esac
