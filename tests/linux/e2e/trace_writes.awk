# Reads a trace of `strace -f -y` (give the file twice: awk -f trace_writes.awk T T) and prints
# every change the launcher made to files, one a line ("change: PID: CALL"), then one line of
# figures ("figures: ..."). Checked is the launcher's own code: its process and its threads,
# and the copies of itself it makes (the child posix_spawn runs before it becomes the program
# started, the process SDL shows its message box from), each until it executes another
# program. From its execve on, a process is the program started, not the launcher, and it is
# left out, with every process it makes after that.
#
# A change is: an open for writing (O_WRONLY, O_RDWR, O_CREAT or O_TRUNC) or creat of a file
# outside /dev; making, renaming, linking or removing a file or folder; changing a file's size,
# mode, owner, times or attributes; writing to a descriptor that names a file outside /dev
# (the X connection is a socket). Attempts count as much as successes: on a read-only disc a
# failed write is a write the launcher tried.

# One whole call per pid: an <unfinished ...> part waits for its <... resumed> part.
function whole(    pid, text) {
  pid = $1
  text = $0
  sub(/^[0-9]+ +/, "", text)  # strace pads short process ids
  if (text ~ /<unfinished \.\.\.>$/) {
    pending[pid] = substr(text, 1, length(text) - length("<unfinished ...>"))
    return ""
  }
  if (text ~ /^<\.\.\. [a-z0-9_]+ resumed>/) {
    sub(/^<\.\.\. [a-z0-9_]+ resumed>/, "", text)
    text = pending[pid] text
    delete pending[pid]
  }
  return text
}

function call_name(text) {
  return substr(text, 1, index(text, "(") - 1)
}

function result(text,    found) {
  # The last ") = N": an argument may hold the same text.
  found = ""
  while (match(text, /\) += [-0-9]+/)) {
    found = substr(text, RSTART, RLENGTH)
    text = substr(text, RSTART + RLENGTH)
  }
  sub(/^\) += /, "", found)
  return found
}

function first_path(text) {
  if (match(text, /"([^"\\]|\\.)*"/) == 0) return ""
  after_path = substr(text, RSTART + RLENGTH)
  return substr(text, RSTART + 1, RLENGTH - 2)
}

# A process made after its maker executed another program, or by such a process.
function outside(pid) {
  if (pid in outside_known) return outside_known[pid]
  outside_known[pid] = 0
  if (pid in maker) outside_known[pid] = made_after_exec[pid] || outside(maker[pid])
  return outside_known[pid]
}

BEGIN {
  split("mkdir mkdirat rmdir rename renameat renameat2 link linkat symlink symlinkat unlink " \
        "unlinkat mknod mknodat truncate ftruncate chmod fchmod fchmodat chown fchown lchown " \
        "fchownat utime utimes utimensat futimesat setxattr lsetxattr fsetxattr removexattr " \
        "lremovexattr fremovexattr", names, " ")
  for (i in names) changing[names[i]] = 1
}

# Pass 1: who made whom, and when each process executed a program.
FNR == NR {
  text = whole()
  if (text == "") next
  pid = $1
  if (root == "") root = pid
  name = call_name(text)
  if (name == "execve" && result(text) == "0" && pid != root) executed[pid] = 1
  if (name ~ /^(clone|clone3|fork|vfork)$/ && result(text) + 0 > 0) {
    child = result(text)
    maker[child] = pid
    made_after_exec[child] = (pid in executed)
  }
  next
}

FNR == 1 { delete pending }

# Pass 2: the launcher's calls.
{
  text = whole()
  if (text == "") next
  pid = $1
  if (outside(pid) || (pid in executed_now)) next
  name = call_name(text)
  if (name == "execve" && result(text) == "0" && pid != root) {
    executed_now[pid] = 1
    started++
    next
  }
  lines++
  seen[pid] = 1
  changed = 0
  if (name ~ /^(open|openat|openat2|creat)$/) {
    opens++
    path = first_path(text)
    writing = name == "creat" || after_path ~ /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC/
    if (writing && path !~ /^\/dev\//) changed = 1
  } else if (name in changing) {
    changed = 1
  } else if (name ~ /^(write|pwrite64|writev|pwritev|pwritev2)$/) {
    # With -y the descriptor shows what it names: 3</path>, 4<socket:[...]>, 5<pipe:[...]>.
    if (match(text, /^[a-z0-9]+\([0-9]+<\/[^>]*>/)) {
      target = substr(text, RSTART, RLENGTH)
      sub(/^[^<]*</, "", target)
      if (target !~ /^\/dev\//) changed = 1
    }
  }
  if (changed) print "change: " pid ": " text
}

END {
  copies = 0
  for (pid in seen) if (pid != root) copies++
  printf "figures: calls checked %d, opens %d, copies of the launcher checked %d, " \
         "programs started and left out %d\n", lines, opens, copies, started
}
